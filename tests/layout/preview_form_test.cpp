// The print preview window: the sheet built from a printer and the layout, one outlined card copy per
// cell, rebuilt after page setup and printing, and the window placement rules.
#include "children_of.h"
#include "common/scripted_modal.h"
#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/drawpanel.h"
#include "editor/unit2.h"
#include "layout/preview_form.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Preview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterCardClasses();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        editor.RebuildWorkSheet(455, 275);
        editor.BackgroundPicture->SetVisible(false);
        // A red rectangle and a label.
        auto *shape = new TQVShape;
        shape->SetLeft(50);
        shape->SetTop(25);
        shape->SetWidth(200);
        shape->SetHeight(100);
        shape->Pen().SetWidth(5);
        shape->Brush().SetColor(0x0000FF);
        editor.AttachCardObject(shape);
        auto *label = new TLabelEx;
        label->SetCaption(QStringLiteral("山田太郎"));
        label->Font().SetSize(20);
        label->SetGap(5);
        label->SetLeft(100);
        label->SetTop(200);
        editor.AttachCardObject(label);
    }

    QPrinter printer{QPrinter::HighResolution};
    std::function<PrinterMeasures()> measure = [this] { return MeasurePrinter(printer); };
    TForm2 editor;
    CardSize card;
    CardGrid grid;
};

TEST_F(Preview, TheDefaultLayoutShowsTenOutlinedCardsOnTheGreyPaper)
{
    TPreviewForm form(editor, card, grid, measure, {});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("印刷プレビュー画面"));
    EXPECT_EQ(form.size(), QSize(587, 375));
    EXPECT_EQ(form.ExitBtn->text(), QStringLiteral("戻る"));
    EXPECT_EQ(form.PageSetDlgBtn->text(), QStringLiteral("ページ設定"));
    EXPECT_EQ(form.PrintBtn->text(), QStringLiteral("印刷"));
    EXPECT_EQ(form.PreviewPanel->pos(), QPoint(80, 16));

    form.BuildPreview();
    EXPECT_EQ(form.PreviewPanel->size(), QSize(418, 592));
    ASSERT_TRUE(form.SheetPanel);
    EXPECT_EQ(form.SheetPanel->geometry(), QRect(7, 7, 404, 578));
    const QList<TPanel *> cards = form.CardPanels();
    ASSERT_EQ(cards.size(), 10);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(cards[i * 5 + j]->geometry(), QRect(21 + 182 * i, 15 + 110 * j, 182, 110));

    // Each card: the dotted outline at the bottom, the background, then the objects scaled to 40 %.
    TPanel &first = *cards[0];
    const auto shapes = ChildrenOf<TQVShape>(first);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(first.children().first(), shapes[0]);
    EXPECT_EQ(shapes[0]->Pen().Style(), psDot);
    EXPECT_EQ(QRect(shapes[0]->Left(), shapes[0]->Top(), shapes[0]->Width(), shapes[0]->Height()),
              QRect(0, 0, 181, 109));
    EXPECT_EQ(QRect(shapes[1]->Left(), shapes[1]->Top(), shapes[1]->Width(), shapes[1]->Height()),
              QRect(20, 10, 80, 40));
    EXPECT_EQ(shapes[1]->Pen().Width(), 2);
    const auto labels = ChildrenOf<TLabelEx>(first);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0]->Caption(), QStringLiteral("山田太郎"));
    EXPECT_EQ(labels[0]->Font().Size(), 8);
    EXPECT_EQ(labels[0]->Gap(), 2);
    EXPECT_EQ(labels[0]->pos(), QPoint(40, 80));
    ASSERT_EQ(ChildrenOf<TImage>(first).size(), 1u);
    EXPECT_FALSE(ChildrenOf<TImage>(first)[0]->Visible());
    // The document is left as it was.
    EXPECT_EQ(editor.ObjectList.size(), 2);
    EXPECT_EQ(static_cast<TQVShape *>(editor.ObjectList[0])->Width(), 200);

    // Drawn: grey rim, white sheet, the dotted outline and the red shape on every card.
    form.show();
    QImage paper(form.PreviewPanel->size(), QImage::Format_RGB32);
    paper.fill(Qt::black);
    {
        QPainter p(&paper);
        form.PreviewPanel->render(&p);
    }
    EXPECT_EQ(paper.pixelColor(2, 2), ToQColor(clBtnShadow));
    EXPECT_EQ(paper.pixelColor(410, 200), QColor(Qt::white));
    int dots = 0;
    for (int x = 28; x < 28 + 181; ++x)
        dots += paper.pixelColor(x, 22) == QColor(Qt::black);
    EXPECT_GT(dots, 40);
    EXPECT_LT(dots, 140);
    for (const TPanel *c : cards) {
        const QPoint inside = form.SheetPanel->pos() + c->pos() + QPoint(60, 35);
        EXPECT_EQ(paper.pixelColor(inside), QColor(255, 0, 0)) << c->x() << "," << c->y();
    }
}

TEST_F(Preview, EachBuildFollowsTheLayoutAndTheCardAsTheyAreThen)
{
    TPreviewForm form(editor, card, grid, measure, {});
    form.BuildPreview();
    ASSERT_EQ(form.CardPanels().size(), 10);
    grid.Retu = 0;
    form.BuildPreview();
    EXPECT_TRUE(form.CardPanels().isEmpty());
    ASSERT_TRUE(form.SheetPanel);
    EXPECT_EQ(form.SheetPanel->size(), QSize(404, 578));
    grid.Retu = 1;
    grid.Dann = 0;
    form.BuildPreview();
    EXPECT_TRUE(form.CardPanels().isEmpty());

    // A card without objects shows its background alone; a smaller card and a wider margin move it.
    grid = {};
    grid.Retu = 1;
    grid.Dann = 1;
    grid.LeftMargin = 30;
    card.WorkSheetWidthPx = 250;
    editor.RemoveCardObject(editor.ObjectList[1]);
    editor.RemoveCardObject(editor.ObjectList[0]);
    form.BuildPreview();
    ASSERT_EQ(form.CardPanels().size(), 1);
    EXPECT_EQ(form.CardPanels()[0]->geometry(), QRect(60 - 7, 15, 100, 110));
    EXPECT_EQ(ChildrenOf<TQVShape>(*form.CardPanels()[0]).size(), 1u);
    EXPECT_EQ(ChildrenOf<TImage>(*form.CardPanels()[0]).size(), 1u);

    // The paper follows the printer.
    printer.setPageSize(QPageSize(QPageSize::A5));
    form.BuildPreview();
    EXPECT_NEAR(form.PreviewPanel->width(), 296, 3);
    EXPECT_NEAR(form.PreviewPanel->height(), 420, 3);
}

TEST_F(Preview, PageSetupAndPrintRunTheMainWindowsCommandsThenRebuild)
{
    std::vector<QString> ran;
    PreviewCommands commands;
    commands.PageSetup = [&] {
        ran.push_back(QStringLiteral("page setup"));
        grid.Retu = 1;
    };
    commands.Print = [&] {
        ran.push_back(QStringLiteral("print"));
        grid.Dann = 2;
    };
    TPreviewForm form(editor, card, grid, measure, commands);
    form.BuildPreview();
    ASSERT_TRUE(form.PageSetDlgBtn->isEnabled());
    ASSERT_TRUE(form.PrintBtn->isEnabled());
    form.PageSetDlgBtn->click();
    EXPECT_EQ(form.CardPanels().size(), 5);
    form.PrintBtn->click();
    EXPECT_EQ(form.CardPanels().size(), 2);
    EXPECT_EQ(ran, (std::vector<QString>{QStringLiteral("page setup"), QStringLiteral("print")}));

    TPreviewForm bare(editor, card, grid, measure, {});
    EXPECT_FALSE(bare.PageSetDlgBtn->isEnabled());
    EXPECT_FALSE(bare.PrintBtn->isEnabled());
}

TEST_F(Preview, APrinterWithoutPaperIsReportedOnceAndTheWindowStaysUsable)
{
    ScopedScriptedModal modal;
    modal->answerMessage(IDOK);
    modal->answerMessage(IDOK);
    bool paperless = true;
    TPreviewForm form(editor, card, grid,
                      [&] { return paperless ? PrinterMeasures{} : MeasurePrinter(printer); }, {});
    // Every activation builds; the message box of a failed build takes the activation away and gives it
    // back, so showing the same failure each time would never end.
    for (int round = 0; round < 3; ++round) {
        form.show();
        QTest::qWait(20);
        form.hide();
    }
    EXPECT_EQ(modal->messagesShown(),
              std::vector<QString>{QStringLiteral("プリンタから用紙の大きさを読めません。")});
    EXPECT_FALSE(form.SheetPanel);
    paperless = false;
    form.show();
    QTest::qWait(20);
    EXPECT_EQ(form.CardPanels().size(), 10);
    // A new failure after a good build is shown again.
    paperless = true;
    form.hide();
    form.show();
    QTest::qWait(20);
    EXPECT_EQ(modal->messagesShown().size(), 2u);
}

} // namespace
