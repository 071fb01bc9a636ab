// The guarded slot: handlers connected through it report their failures in the exception box and the
// signal's emitter carries on.
#include "common/scripted_modal.h"
#include "platform/application.h"
#include "platform/errors.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Handlers
{
    int calls = 0;
    int lastIndex = -1;
    void Click()
    {
        ++calls;
        throw VelmoraError(QStringLiteral("Cannot do it"));
    }
    void Chosen(int index)
    {
        ++calls;
        lastIndex = index;
    }
};

} // namespace

TEST(GuardedSlot, AFailingHandlerIsShownOnceAndTheNextSignalStillRunsIt)
{
    ScopedScriptedModal modal;
    modal->answerMessage(MB_OK);
    modal->answerMessage(MB_OK);
    Handlers h;
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, &button, Guarded(&h, &Handlers::Click));
    button.click();
    button.click();
    EXPECT_EQ(h.calls, 2);
    ASSERT_EQ(modal->asked.size(), 2u);
    EXPECT_EQ(modal->asked[0].text, QStringLiteral("Cannot do it."));
}

TEST(GuardedSlot, HandlersTakeTheArgumentsTheyDeclareAndNoMore)
{
    ScopedScriptedModal modal;
    Handlers h;
    QComboBox box;
    box.addItems({QStringLiteral("a"), QStringLiteral("b")});
    QObject::connect(&box, &QComboBox::currentIndexChanged, &box, Guarded(&h, &Handlers::Chosen));
    int plain = 0;
    // A lambda that takes nothing is connected to a signal with an argument.
    QObject::connect(&box, &QComboBox::currentIndexChanged, &box, Guarded([&plain] { ++plain; }));
    box.setCurrentIndex(1);
    EXPECT_EQ(h.lastIndex, 1);
    EXPECT_EQ(plain, 1);
    // Callbacks outside Qt's signals take the arguments the lambda declares.
    std::function<void(int, int)> callback = Guarded([&plain](int a, int b) { plain = a * b; });
    callback(6, 7);
    EXPECT_EQ(plain, 42);
    EXPECT_TRUE(modal->asked.empty());
}
