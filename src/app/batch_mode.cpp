// Running a batch mode on a document.
#include "app/batch_mode.h"

#include "app/unit3.h"
#include "platform/application.h"
#include "platform/console_modal.h"

int RunOnDocument(const QString &documentPath, const std::function<bool(TForm3 &)> &work)
{
    // Every message the window would show goes to stderr instead.
    std::unique_ptr<ModalSeam> previous = Application().SetModal(std::make_unique<ConsoleModalSeam>());
    int status = 1;
    RunGuarded([&] {
        TForm3 form;
        if (form.LoadDocument(documentPath) == 0) {
            form.CurrentFileName = documentPath;
            if (work(form))
                status = 0;
        }
    });
    Application().SetModal(std::move(previous));
    return status;
}
