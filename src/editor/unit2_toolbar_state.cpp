// TForm2: what the tool bar shows and offers for the editing state: enabled groups of controls, pressed
// line and style buttons, and the font panel's texts.
#include "editor/unit2.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QToolButton>

void TForm2::enableCutCopy(bool on)
{
    EditCut->setEnabled(on);
    EditCopy->setEnabled(on);
    CutButton->setEnabled(on);
    CopyButton->setEnabled(on);
}

void TForm2::enableStyleButtons(bool on)
{
    for (QToolButton *b : {BoldButton, ItalicButton, UnderlineButton})
        b->setEnabled(on);
}

void TForm2::enableFontCombos(bool on)
{
    for (QComboBox *c : {FontNameComboBox, FontSizeComboBox, GapComboBox})
        c->setEnabled(on);
}

void TForm2::enableLineControls(bool on)
{
    for (QToolButton *b : {psSolidButton, psDotButton, Width1, Width2, Width3, Width4, Width5, Width6})
        b->setEnabled(on);
}

void TForm2::showLineSettings(int width, TPenStyle style)
{
    // A width without a button (0 before any was chosen) leaves the buttons as they are.
    if (QAbstractButton *button = LineWidthGroup->button(width))
        button->setChecked(true);
    if (style == psSolid)
        psSolidButton->setChecked(true);
    else if (style == psDot)
        psDotButton->setChecked(true);
}

void TForm2::showFontState(bool bold, bool italic, bool underline)
{
    BoldButton->setChecked(bold);
    ItalicButton->setChecked(italic);
    UnderlineButton->setChecked(underline);
}

void TForm2::showFontTexts(const QString &name, int size, int gap)
{
    FontNameComboBox->setCurrentText(name);
    FontSizeComboBox->setCurrentText(QString::number(size));
    GapComboBox->setCurrentText(QString::number(gap));
}

void TForm2::showFontDefaults()
{
    showFontState(FontBold, FontItalic, FontUnderline);
    showFontTexts(FontName, FontSize, CharGap);
}
