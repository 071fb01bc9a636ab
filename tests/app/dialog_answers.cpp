#include "app/dialog_answers.h"

#include "common/scripted_modal.h"
#include "dialogs/number_memo.h"
#include "dialogs/wizard.h"
#include "layout/pageset.h"

#include <QPushButton>
#include <QRadioButton>

void AnswerWizardWithoutTemplate(ScriptedModal &modal)
{
    modal.answerDialog([](QDialog &d) {
        auto &wizard = dynamic_cast<TWizardDlg &>(d);
        wizard.FormActivate();
        wizard.NotTemplateRBtn->click();
        wizard.OKBtn->click();
        return wizard.result();
    });
}

void AnswerPageSetupWithCard(ScriptedModal &modal, const QString &width, const QString &height,
                             QString *title)
{
    modal.answerDialog([=](QDialog &d) {
        auto &dlg = dynamic_cast<TPageSetDlg &>(d);
        if (title)
            *title = dlg.windowTitle();
        dlg.FormActivate();
        dlg.WidthMemo->setText(width);
        dlg.WidthMemoExit();
        dlg.HeightMemo->setText(height);
        dlg.HeightMemoExit();
        dlg.OKBtn->click();
        return dlg.result();
    });
}
