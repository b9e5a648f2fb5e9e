#include "tests/support/ModalHelper.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/ErrorBox.h"
#include "toolkit/gui/Handler.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(FullStopRule, AppendsAfterCharactersAboveTheFullStopAndKeepsTheOthers) {
    const std::pair<const char*, const char*> przypadki[] = {
        {"Zbyt mała ilość losowań", "Zbyt mała ilość losowań."},
        {"Zbyt duża liczba punktów", "Zbyt duża liczba punktów."},
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"wartość 5", "wartość 5."},
        {"Zbyt mała ilość miast!", "Zbyt mała ilość miast!"},
        {"Koniec.", "Koniec."},
        {"a-", "a-"},
        {"a,", "a,"},
        {"", ""},
    };
    for (const auto& [tekst, zKropka] : przypadki)
        EXPECT_EQ(withFullStop(tekst), zKropka);
}

TEST(StandardErrorBox, ShowsIconCaptionAndMessage) {
    const SeenBox seen = boxAfter([] { showErrorBox("Zbyt duża liczba punktów"); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Zbyt duża liczba punktów.");
    EXPECT_EQ(seen.caption, QCoreApplication::applicationName());
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(StandardErrorBox, AHandlersErrorIsShownAndItsWorkStops) {
    QPushButton button("x");
    button.show();
    bool afterError = false;
    QObject::connect(&button, &QPushButton::clicked, handler([&] {
        throw UserError("'abc' is not a valid integer value");
        afterError = true;  // never reached: the handler stops at the error
    }));
    const SeenBox seen = boxAfter([&] { QTest::mouseClick(&button, Qt::LeftButton); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "'abc' is not a valid integer value.");
    EXPECT_FALSE(afterError);
    button.hide();
    EXPECT_TRUE(noVisibleTopLevels());
}

namespace {

// An object whose event handler fails outright, without a guard.
class FailingReceiver : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw UserError("Zbyt duża liczba punktów");
        return QObject::event(e);
    }
};

} // namespace

TEST(StandardErrorBox, AnErrorEscapingAnEventHandlerIsCaughtByTheApplication) {
    FailingReceiver receiver;
    QEvent event(QEvent::User);
    const SeenBox seen = boxAfter([&] { QCoreApplication::sendEvent(&receiver, &event); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Zbyt duża liczba punktów.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}
