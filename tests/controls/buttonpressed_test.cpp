#include "controls/buttonpressed.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Heard {
    QObject* receiver;
    int group;
    QObject* button;
};

class Listener : public QWidget {
public:
    Listener(QWidget* parent, std::vector<Heard>& log) : QWidget(parent), FLog(log) {}
    std::function<void()> OnHeard;

protected:
    void customEvent(QEvent* event) override
    {
        const auto* pressed = static_cast<TButtonPressedEvent*>(event);
        FLog.push_back({this, pressed->GroupIndex(), pressed->Button()});
        if (OnHeard)
            OnHeard();
    }

private:
    std::vector<Heard>& FLog;
};

} // namespace

// Every direct child hears group and sender, the sender included, in creation order;
// grandchildren do not, and a child deleted by an earlier recipient is skipped.
TEST(ButtonPressedTest, ReachesEachDirectChildOnce)
{
    std::vector<Heard> log;
    QWidget parent;
    auto* first = new Listener(&parent, log);
    auto* doomed = new Listener(&parent, log);
    auto* last = new Listener(&parent, log);
    new Listener(last, log);
    first->OnHeard = [&] { delete doomed; };

    BroadcastButtonPressed(&parent, 7, last);

    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].receiver, first);
    EXPECT_EQ(log[1].receiver, last);
    for (const Heard& heard : log) {
        EXPECT_EQ(heard.group, 7);
        EXPECT_EQ(heard.button, last);
    }
}
