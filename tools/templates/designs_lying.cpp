// The lying (91 x 55 mm) template designs.
#include "card_builder.h"
#include "designs.h"
#include "template_art.h"

namespace {

const TColor kInk = Rgb(34, 34, 38);
const TColor kGrey = Rgb(96, 100, 108);
const TColor kNavy = Rgb(28, 50, 94);

void simple(CardBuilder &c)
{
    c.Start(false);
    const int mid = c.Width() / 2;
    c.Text(QStringLiteral("株式会社 みなと企画"), {Face::PMincho, 10, kInk, 2}, 28, 24);
    c.Text(QStringLiteral("営業部　課長"), {Face::PMincho, 8, kGrey, 1}, mid, 84, CardBuilder::Centre);
    c.Text(QStringLiteral("山田 太郎"), {Face::PMincho, 20, kInk, 4}, mid, 102, CardBuilder::Centre);
    c.Text(QStringLiteral("Taro Yamada"), {Face::PMincho, 8, kGrey, 1}, mid, 140, CardBuilder::Centre);
    const TextStyle small{Face::PMincho, 8, kInk, 0};
    c.Lines({QStringLiteral("〒105-0022　東京都港区海岸1-2-3　みなとビル5階"),
             QStringLiteral("TEL 03-1234-5678　FAX 03-1234-5679"),
             QStringLiteral("t.yamada@minato-kikaku.example.jp")},
            small, 28, 196, 18);
}

void redRule(CardBuilder &c)
{
    c.Start(false);
    const TColor red = Rgb(186, 36, 48);
    c.Text(QStringLiteral("ミドリ電機株式会社"), {Face::PGothic, 10, kInk, 1, true}, 30, 26);
    c.Text(QStringLiteral("技術開発部　主任"), {Face::PGothic, 8, kGrey, 1}, 30, 84);
    c.Text(QStringLiteral("佐藤 花子"), {Face::PGothic, 18, kInk, 3}, 30, 102);
    c.Text(QStringLiteral("Hanako Sato"), {Face::PGothic, 8, kGrey, 1}, 425, 120, CardBuilder::Right);
    c.Band(QRect(30, 142, 395, 2), red);
    const TextStyle small{Face::PGothic, 8, kInk, 0};
    c.Lines({QStringLiteral("〒530-0001　大阪府大阪市北区梅田2-4-6"),
             QStringLiteral("TEL 06-1234-5678　FAX 06-1234-5670"),
             QStringLiteral("h.sato@midori-denki.example.jp")},
            small, 30, 176, 18);
}

void band(CardBuilder &c)
{
    c.Start(false);
    c.Band(QRect(0, 0, 16, c.Height()), kNavy);
    c.Band(QRect(20, 0, 3, c.Height()), Rgb(120, 160, 210));
    c.Text(QStringLiteral("株式会社 青空ソリューションズ"), {Face::PGothic, 10, kNavy, 1, true}, 48, 26);
    c.Text(QStringLiteral("AOZORA SOLUTIONS"), {Face::PGothic, 7, Rgb(120, 140, 170), 2}, 48, 46);
    c.Text(QStringLiteral("システム営業部"), {Face::PGothic, 8, kGrey, 1}, 48, 94);
    c.Text(QStringLiteral("鈴木 一郎"), {Face::PGothic, 18, kInk, 3}, 48, 112);
    c.Text(QStringLiteral("Ichiro Suzuki"), {Face::PGothic, 8, kGrey, 1}, 48, 148);
    const TextStyle small{Face::PGothic, 8, kInk, 0};
    c.Lines({QStringLiteral("〒460-0008　愛知県名古屋市中区栄3-5-7"), QStringLiteral("TEL 052-123-4567"),
             QStringLiteral("i.suzuki@aozora.example.jp")},
            small, 48, 196, 18);
}

void skyWave(CardBuilder &c)
{
    c.Start(false);
    c.Background(SkyWaveBackground(QSize(c.Width() * 2, c.Height() * 2)));
    c.Text(QStringLiteral("株式会社 ソラリス"), {Face::PGothic, 11, kNavy, 2, true}, 30, 26);
    c.Text(QStringLiteral("企画部　マネージャー"), {Face::PGothic, 8, kGrey, 1}, 30, 92);
    c.Text(QStringLiteral("高橋 美咲"), {Face::PMincho, 20, kInk, 4}, 30, 110);
    c.Text(QStringLiteral("Misaki Takahashi"), {Face::PGothic, 8, kGrey, 1}, 32, 148);
    const TextStyle small{Face::PGothic, 8, Rgb(40, 52, 72), 0};
    c.Lines({QStringLiteral("〒220-0012　神奈川県横浜市西区みなとみらい4-1-1"),
             QStringLiteral("TEL 045-123-4567"), QStringLiteral("m.takahashi@solaris.example.jp")},
            small, 30, 198, 18);
}

void logo(CardBuilder &c)
{
    c.Start(false);
    c.Picture(LeafLogo(160), QRect(28, 24, 48, 48));
    c.Text(QStringLiteral("株式会社 リーフデザイン"), {Face::PGothic, 11, kNavy, 1, true}, 86, 30);
    c.Text(QStringLiteral("LEAF DESIGN INC."), {Face::PGothic, 7, Rgb(90, 130, 190), 2}, 87, 52);
    c.Text(QStringLiteral("アートディレクター"), {Face::PGothic, 8, kGrey, 1}, 425, 106, CardBuilder::Right);
    c.Text(QStringLiteral("中村 健"), {Face::PMincho, 20, kInk, 5}, 425, 124, CardBuilder::Right);
    c.Band(QRect(28, 178, 397, 1), Rgb(190, 200, 214));
    const TextStyle small{Face::PGothic, 8, kInk, 0};
    c.Lines({QStringLiteral("〒150-0002　東京都渋谷区渋谷1-10-2"),
             QStringLiteral("TEL 03-2345-6789　FAX 03-2345-6790"),
             QStringLiteral("ken.nakamura@leaf-design.example.jp")},
            small, 28, 192, 18);
}

void forest(CardBuilder &c)
{
    c.Start(false);
    c.Background(ForestBackground(QSize(c.Width() * 2, c.Height() * 2)));
    const TColor gold = Rgb(214, 186, 120), white = Rgb(246, 246, 240), pale = Rgb(196, 212, 200);
    c.Text(QStringLiteral("森と木の設計室"), {Face::PMincho, 11, gold, 2}, 32, 28);
    c.Text(QStringLiteral("一級建築士"), {Face::PMincho, 8, pale, 1}, 32, 90);
    c.Text(QStringLiteral("小林 直樹"), {Face::PMincho, 20, white, 4}, 32, 108);
    c.Text(QStringLiteral("Naoki Kobayashi"), {Face::PMincho, 8, pale, 1}, 34, 146);
    const TextStyle small{Face::PMincho, 8, white, 0};
    c.Lines({QStringLiteral("〒600-8001　京都府京都市下京区四条通1-2"),
             QStringLiteral("TEL 075-123-4567　n.kobayashi@mori-ki.example.jp")},
            small, 32, 184, 18);
}

} // namespace

void AddLyingDesigns(std::vector<TemplateDesign> &designs)
{
    designs.push_back({QStringLiteral("シンプル 横"), simple});
    designs.push_back({QStringLiteral("ライン 横"), redRule});
    designs.push_back({QStringLiteral("帯 横"), band});
    designs.push_back({QStringLiteral("ウェーブ 横"), skyWave});
    designs.push_back({QStringLiteral("ロゴ 横"), logo});
    designs.push_back({QStringLiteral("フォレスト 横"), forest});
}
