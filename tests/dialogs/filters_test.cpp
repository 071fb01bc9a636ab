// The digit and decimal filters on bytes and caret, on a field, and the number field's own rules.
#include "dialogs/Function1.h"
#include "dialogs/number_memo.h"
#include "platform/cp932.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QByteArray FullWidthOne = Cp932Encode(QStringLiteral("１"));

} // namespace

TEST(FilterDigitsText, DropsEverythingButDigitsAndMovesTheCaretBackPerByte)
{
    FilteredText r = FilterDigitsText("12a", 3);
    EXPECT_EQ(r.text, "12");
    EXPECT_EQ(r.caret, 2);
    EXPECT_TRUE(r.changed);

    r = FilterDigitsText("1,234.5", 7); // pasted: the caret ends two places back
    EXPECT_EQ(r.text, "12345");
    EXPECT_EQ(r.caret, 5);

    r = FilterDigitsText("-5", 2);
    EXPECT_EQ(r.text, "5");
    EXPECT_EQ(r.caret, 1);

    r = FilterDigitsText("12\r\n", 4); // Enter in a memo
    EXPECT_EQ(r.text, "12");
    EXPECT_EQ(r.caret, 2);

    ASSERT_EQ(FullWidthOne.size(), 2);
    r = FilterDigitsText("1" + FullWidthOne, 3);
    EXPECT_EQ(r.text, "1");
    EXPECT_EQ(r.caret, 1);

    r = FilterDigitsText("1\b2", 3); // the backspace byte is kept
    EXPECT_EQ(r.text, "1\b2");
    EXPECT_FALSE(r.changed);
}

TEST(FilterDigitsText, LeavesCleanAndEmptyTextsAlone)
{
    FilteredText r = FilterDigitsText("123", 1);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.text, "123");
    EXPECT_EQ(r.caret, 1);
    r = FilterDigitsText("", 0);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.text, "");
    // A byte dropped after the caret lowers it too, but never below the start.
    r = FilterDigitsText("x1", 0);
    EXPECT_EQ(r.text, "1");
    EXPECT_EQ(r.caret, 0);
}

TEST(FilterDecimalText, KeepsOnlyTheFirstPointWhereItStood)
{
    FilteredText r = FilterDecimalText("1.2.3", 4);
    EXPECT_EQ(r.text, "1.23");
    EXPECT_EQ(r.caret, 3);

    r = FilterDecimalText("1.23", 4);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.text, "1.23");
    EXPECT_EQ(r.caret, 4);

    r = FilterDecimalText("..5", 2);
    EXPECT_EQ(r.text, ".5");
    EXPECT_EQ(r.caret, 1);

    r = FilterDecimalText("a1.5mm", 6);
    EXPECT_EQ(r.text, "1.5");
    EXPECT_EQ(r.caret, 3);

    r = FilterDecimalText("3" + FullWidthOne + ".5", 5);
    EXPECT_EQ(r.text, "3.5");
    EXPECT_EQ(r.caret, 3);
}

TEST(FilterOnAField, WritesTextAndCaretBackOnceDespiteItsOwnChangeSignal)
{
    QLineEdit field;
    int changes = 0;
    QObject::connect(&field, &QLineEdit::textChanged, [&] {
        ++changes;
        FilterDigits(&field);
    });
    field.setText("1,234.5");
    EXPECT_EQ(field.text(), "12345");
    EXPECT_EQ(field.cursorPosition(), 5);
    EXPECT_EQ(changes, 2); // the paste, and the filter's own write (which returned at once)
    EXPECT_FALSE(FilterBusy());

    // A full-width digit typed between two digits: the caret goes back to where it was.
    field.setText("12");
    field.setCursorPosition(1);
    field.insert(QStringLiteral("１"));
    EXPECT_EQ(field.text(), "12");
    EXPECT_EQ(field.cursorPosition(), 1);
}

TEST(FilterOnAField, DecimalFieldMergesPoints)
{
    QLineEdit field;
    QObject::connect(&field, &QLineEdit::textChanged, [&] { FilterDecimal(&field); });
    field.setText("1.23");
    field.setCursorPosition(3);
    field.insert(".");
    EXPECT_EQ(field.text(), "1.23");
    EXPECT_EQ(field.cursorPosition(), 3);
}

TEST(NumberMemo, CutsWhatTheUserTypesOrPastesToTheByteLimitButNotProgramValues)
{
    TNumberMemo memo(5);
    QObject::connect(&memo, &QLineEdit::textChanged, [&] { FilterDigits(&memo); });
    memo.insert("1,234.5"); // a paste: only its first five bytes are taken, then filtered
    EXPECT_EQ(memo.text(), "1234");
    memo.insert("99");
    EXPECT_EQ(memo.text(), "12349");
    QTest::keyClicks(&memo, "7");
    EXPECT_EQ(memo.text(), "12349");

    memo.SetText("1234567"); // the program's value stays whole
    EXPECT_EQ(memo.text(), "1234567");
    memo.setCursorPosition(7);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    EXPECT_EQ(memo.text(), "123456");
    QTest::keyClicks(&memo, "8");
    EXPECT_EQ(memo.text(), "123456");
    EXPECT_EQ(memo.alignment() & Qt::AlignRight, Qt::AlignRight);
}

TEST(NumberMemo, EnterDoesNotCloseTheDialog)
{
    QDialog dialog;
    auto *ok = new QPushButton("OK", &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto *memo = new TNumberMemo(5, &dialog);
    dialog.show();
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(NumberMemo, LeavingTheFieldSignalsExit)
{
    QWidget window;
    auto *memo = new TNumberMemo(5, &window);
    auto *other = new TNumberMemo(5, &window);
    other->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    memo->setFocus(Qt::OtherFocusReason);
    int exits = 0;
    QObject::connect(memo, &TNumberMemo::Exit, [&] { ++exits; });
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(exits, 1);
}
