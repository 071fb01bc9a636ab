// Answers to the wizard and the page setup dialog as a user gives them, for the app tests that go
// through File > New.
#pragma once

#include <QString>

class ScriptedModal;

// The wizard: "no template" and OK, the way to page setup.
void AnswerWizardWithoutTemplate(ScriptedModal &modal);

// Page setup: types the card's width and height in millimetres and confirms. `title`, when given,
// receives the dialog's caption.
void AnswerPageSetupWithCard(ScriptedModal &modal, const QString &width, const QString &height,
                             QString *title = nullptr);
