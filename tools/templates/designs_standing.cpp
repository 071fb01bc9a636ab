// The standing (55 x 91 mm) template designs, and the list of all designs.
#include "card_builder.h"
#include "designs.h"
#include "template_art.h"

void AddLyingDesigns(std::vector<TemplateDesign> &designs);

namespace {

const TColor kInk = Rgb(34, 34, 38);
const TColor kGrey = Rgb(96, 100, 108);

void simple(CardBuilder &c)
{
    c.Start(true);
    const int mid = c.Width() / 2;
    c.Text(QStringLiteral("株式会社 みなと企画"), {Face::Mincho, 9, kInk, 2}, mid, 40, CardBuilder::Centre);
    c.Band(QRect(mid - 20, 66, 40, 1), kGrey);
    c.Text(QStringLiteral("営業部　課長"), {Face::Mincho, 8, kGrey, 1}, mid, 150, CardBuilder::Centre);
    c.Text(QStringLiteral("山田 太郎"), {Face::PMincho, 20, kInk, 4}, mid, 170, CardBuilder::Centre);
    c.Text(QStringLiteral("Taro Yamada"), {Face::PMincho, 8, kGrey, 1}, mid, 210, CardBuilder::Centre);
    const TextStyle small{Face::PMincho, 8, kInk, 0};
    c.Lines({QStringLiteral("〒105-0022"), QStringLiteral("東京都港区海岸1-2-3　みなとビル5階")}, small, mid,
            334, 16, CardBuilder::Centre);
    c.Lines({QStringLiteral("TEL 03-1234-5678"), QStringLiteral("t.yamada@minato-kikaku.example.jp")}, small,
            mid, 372, 16, CardBuilder::Centre);
}

void line(CardBuilder &c)
{
    c.Start(true);
    const TColor teal = Rgb(0, 128, 128);
    c.Band(QRect(26, 32, 3, 391), teal);
    const int x = 46;
    c.Text(QStringLiteral("みどり薬局"), {Face::PGothic, 11, teal, 2, true}, x, 32);
    c.Text(QStringLiteral("MIDORI PHARMACY"), {Face::PGothic, 7, Rgb(90, 150, 150), 1}, x, 54);
    c.Text(QStringLiteral("薬剤師"), {Face::PGothic, 8, kGrey, 1}, x, 170);
    c.Text(QStringLiteral("伊藤 さくら"), {Face::PGothic, 18, kInk, 3}, x, 188);
    c.Text(QStringLiteral("Sakura Ito"), {Face::PGothic, 8, kGrey, 1}, x, 222);
    const TextStyle small{Face::PGothic, 8, kInk, 0};
    c.Lines({QStringLiteral("〒980-0021"), QStringLiteral("宮城県仙台市青葉区中央1-3-5")}, small, x, 330, 16);
    c.Lines({QStringLiteral("TEL 022-123-4567"), QStringLiteral("s.ito@midori-ph.example.jp")}, small, x, 368,
            16);
}

void washi(CardBuilder &c)
{
    c.Start(true);
    c.Background(WashiBackground(QSize(c.Width() * 2, c.Height() * 2)));
    const int mid = c.Width() / 2;
    const TColor vermilion = Rgb(196, 60, 44);
    c.Text(QStringLiteral("手漉き和紙　紙屋"), {Face::PMincho, 10, kInk, 2}, mid, 44, CardBuilder::Centre);
    c.Text(QStringLiteral("店主"), {Face::PMincho, 8, kGrey, 2}, mid, 148, CardBuilder::Centre);
    c.Text(QStringLiteral("渡辺 清"), {Face::PMincho, 22, kInk, 6}, mid, 168, CardBuilder::Centre);
    // A small seal of colour under the name.
    c.Shape(qvstRectangle, QRect(mid - 10, 226, 20, 20), Rgb(150, 36, 28), 1, vermilion);
    c.Text(QStringLiteral("紙"), {Face::PMincho, 9, Rgb(252, 246, 236), 0}, mid + 1, 228,
           CardBuilder::Centre);
    const TextStyle small{Face::PMincho, 8, kInk, 1};
    c.Lines({QStringLiteral("〒501-3700"), QStringLiteral("岐阜県美濃市本住町1-1")}, small, mid, 336, 16,
            CardBuilder::Centre);
    c.Lines({QStringLiteral("TEL 0575-12-3456"), QStringLiteral("info@kamiya.example.jp")}, small, mid, 374,
            16, CardBuilder::Centre);
}

void modern(CardBuilder &c)
{
    c.Start(true);
    const TColor charcoal = Rgb(44, 50, 62), light = Rgb(236, 238, 242);
    c.Band(QRect(0, 0, c.Width(), 128), charcoal);
    c.Band(QRect(26, 128, 60, 4), Rgb(236, 150, 40));
    c.Text(QStringLiteral("ニシキ工業株式会社"), {Face::Gothic, 10, light, 2, true}, 26, 40);
    c.Text(QStringLiteral("NISHIKI INDUSTRY"), {Face::Gothic, 7, Rgb(170, 178, 192), 2}, 26, 62);
    c.Text(QStringLiteral("製造部　部長"), {Face::Gothic, 8, kGrey, 1}, 26, 176);
    c.Text(QStringLiteral("加藤 誠"), {Face::PGothic, 20, kInk, 4}, 26, 194);
    c.Text(QStringLiteral("Makoto Kato"), {Face::PGothic, 8, kGrey, 1}, 26, 230);
    const TextStyle small{Face::PGothic, 8, kInk, 0};
    c.Lines({QStringLiteral("〒812-0011"), QStringLiteral("福岡県福岡市博多区博多駅前2-1")}, small, 26, 334,
            16);
    c.Lines({QStringLiteral("TEL 092-123-4567"), QStringLiteral("m.kato@nishiki.example.jp")}, small, 26, 372,
            16);
}

} // namespace

std::vector<TemplateDesign> TemplateDesigns()
{
    std::vector<TemplateDesign> designs;
    AddLyingDesigns(designs);
    designs.push_back({QStringLiteral("シンプル 縦"), simple});
    designs.push_back({QStringLiteral("ライン 縦"), line});
    designs.push_back({QStringLiteral("和紙 縦"), washi});
    designs.push_back({QStringLiteral("モダン 縦"), modern});
    return designs;
}
