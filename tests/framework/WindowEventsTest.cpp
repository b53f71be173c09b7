// Window events reach the render context, the window's signals and the application in the
// framework's order; a handled event stops there. What a backend reports becomes those events
// by the same rules on every platform.
#include "tests/framework/TestApp.h"

#include "framework/app/KeyCodes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>

using namespace lume::test;
using lume::app::FileDropEvent;
using lume::app::KeyEvent;
using lume::app::MouseEvent;
using lume::app::WindowFormat;
using lume::app::WindowRef;

namespace {

class WindowEventsTest : public ::testing::Test {
  protected:
    WindowEventsTest() : app(scope.clock, scope.journal), impl(&app, &scope.clock, &record)
    {
        WindowFormat format;
        format.renderer = std::make_shared<FakeRenderer>(&scope.journal);
        window = impl.createWindow(format);
        scope.journal.clear();
    }
    std::vector<std::string> take()
    {
        auto entries = scope.journal.entries;
        scope.journal.clear();
        return entries;
    }

    FakePlatformScope scope;
    LoopRecord record;
    TestApp app;
    FakeAppImpl impl;
    WindowRef window;
};

// Runs one kind of event through three slots, the middle one optionally handling it.
template <typename EventT>
void checkDispatch(Journal &journal, lume::app::EventSignal<EventT> &signal, const std::function<void(EventT &)> &emit,
                   EventT event, const std::string &appEntry)
{
    bool handle = false;
    boost::signals2::scoped_connection first = signal.connect([&](EventT &) { journal.add("slot 1"); });
    boost::signals2::scoped_connection second = signal.connect([&](EventT &e) {
        journal.add("slot 2");
        if (handle)
            e.setHandled();
    });
    boost::signals2::scoped_connection third = signal.connect([&](EventT &) { journal.add("slot 3"); });

    EventT unhandled = event;
    emit(unhandled);
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"makeCurrent", "slot 1", "slot 2", "slot 3", appEntry}));
    journal.clear();

    handle = true;
    EventT handled = event;
    emit(handled);
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"makeCurrent", "slot 1", "slot 2"}));
    EXPECT_TRUE(handled.isHandled());
    journal.clear();
}

} // namespace

TEST_F(WindowEventsTest, EventsGoToTheContextTheSlotsAndThenTheApplicationUnlessHandled)
{
    Journal &j = scope.journal;
    Window &w = *window;
    const MouseEvent mouse(window, MouseEvent::kLeft, 3, 4, lume::app::kModLeftDown, 0.0f, lume::app::mk::LButton);
    const KeyEvent key(window, 27, 27, 27, 0, 27);
    using M = std::function<void(MouseEvent &)>;
    using K = std::function<void(KeyEvent &)>;
    checkDispatch<MouseEvent>(j, w.getSignalMouseDown(), M([&](MouseEvent &e) { w.emitMouseDown(e); }), mouse,
                              "app mouseDown");
    checkDispatch<MouseEvent>(j, w.getSignalMouseUp(), M([&](MouseEvent &e) { w.emitMouseUp(e); }), mouse,
                              "app mouseUp");
    checkDispatch<MouseEvent>(j, w.getSignalMouseDrag(), M([&](MouseEvent &e) { w.emitMouseDrag(e); }), mouse,
                              "app mouseDrag");
    checkDispatch<MouseEvent>(j, w.getSignalMouseMove(), M([&](MouseEvent &e) { w.emitMouseMove(e); }), mouse,
                              "app mouseMove");
    checkDispatch<MouseEvent>(j, w.getSignalMouseWheel(), M([&](MouseEvent &e) { w.emitMouseWheel(e); }), mouse,
                              "app mouseWheel");
    checkDispatch<KeyEvent>(j, w.getSignalKeyDown(), K([&](KeyEvent &e) { w.emitKeyDown(e); }), key, "app keyDown");
    checkDispatch<KeyEvent>(j, w.getSignalKeyUp(), K([&](KeyEvent &e) { w.emitKeyUp(e); }), key, "app keyUp");
    checkDispatch<FileDropEvent>(j, w.getSignalFileDrop(),
                                 std::function<void(FileDropEvent &)>([&](FileDropEvent &e) { w.emitFileDrop(e); }),
                                 FileDropEvent(window, 1, 2, {"/tmp/a.frag"}), "app fileDrop");
}

TEST_F(WindowEventsTest, DrawResizeMoveAndCloseFollowTheirOwnOrder)
{
    window->getSignalDraw().connect([&] { scope.journal.add("draw signal"); });
    window->getSignalPostDraw().connect([&] { scope.journal.add("post-draw signal"); });
    window->getSignalResize().connect([&] { scope.journal.add("resize signal"); });
    window->getSignalMove().connect([&] { scope.journal.add("move signal"); });
    window->getSignalClose().connect([&] { scope.journal.add("close signal"); });

    window->getImpl()->paint();
    EXPECT_EQ(take(), (std::vector<std::string>{"startDraw", "makeCurrent", "draw signal", "draw", "post-draw signal",
                                                "finishDraw"}));
    window->emitResize();
    EXPECT_EQ(take(), (std::vector<std::string>{"makeCurrent", "defaultResize", "resize signal", "resize"}));
    window->emitMove();
    EXPECT_EQ(take(), (std::vector<std::string>{"makeCurrent", "move signal"}));

    window->close();
    EXPECT_EQ(take(), (std::vector<std::string>{"close signal", "kill"}));
    EXPECT_EQ(impl.getNumWindows(), 0u);
    EXPECT_FALSE(window->isValid());
    try {
        window->getSize();
        FAIL() << "a closed window answered";
    } catch (const lume::app::ExcInvalidWindow &e) {
        EXPECT_STREQ(e.what(), "Invalid Window");
    }
}

TEST_F(WindowEventsTest, AZeroAreaWindowIsNotDrawn)
{
    static_cast<FakeWindowImpl *>(window->getImpl())->inputResize({0, 0});
    take();
    window->getImpl()->paint();
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(impl.getWindow(), window);
}

TEST_F(WindowEventsTest, AWindowWithoutPositionIsCentredOnItsDisplay)
{
    WindowFormat format;
    format.size = {640, 480};
    WindowRef centred = impl.createWindow(format);
    EXPECT_EQ(centred->getPos(), (lume::Vec2i{640, 300}));

    format.setPos({0, 0});
    format.size = {1280, 768};
    WindowRef placed = impl.createWindow(format);
    EXPECT_EQ(placed->getPos(), (lume::Vec2i{0, 0}));
    EXPECT_EQ(placed->getSize(), (lume::Vec2i{1280, 768}));
}

TEST_F(WindowEventsTest, APressStartsADragThatEndsWithTheButtonOrWhenTheFocusGoes)
{
    impl.captureJournal = &scope.journal;
    auto *w = static_cast<FakeWindowImpl *>(impl.createWindow(WindowFormat())->getImpl());
    const auto note = [&](const char *what) {
        return [&, what](MouseEvent &e) {
            char line[96];
            std::snprintf(line, sizeof line, "%s %d at %d,%d native %#x", what, e.getInitiator(), e.getX(), e.getY(),
                          e.getNativeModifiers());
            scope.journal.add(line);
            e.setHandled();
        };
    };
    Window &win = *w->getWindow();
    win.getSignalMouseDown().connect(note("down"));
    win.getSignalMouseUp().connect(note("up"));
    win.getSignalMouseDrag().connect(note("drag"));
    win.getSignalMouseMove().connect(note("move"));
    take();

    struct Step {
        std::function<void()> report;
        std::vector<std::string> expected;
    };
    using lume::app::vk::LShift;
    using lume::app::vk::Shift;
    // clang-format off
    const Step steps[] = {
        {[&] { w->inputMouseMove({5, 5}); }, {"move 0 at 5,5 native 0"}},
        {[&] { w->inputMouseButton(MouseEvent::kLeft, true, {10, 20}); }, {"capture", "down 1 at 10,20 native 0x1"}},
        // Outside the window, still the drag's.
        {[&] { w->inputMouseMove({700, -5}); }, {"drag 0 at 700,-5 native 0x1"}},
        {[&] { w->inputMouseButton(MouseEvent::kLeft, false, {700, -5}); }, {"release", "up 1 at 700,-5 native 0"}},
        {[&] { w->inputMouseMove({30, 40}); }, {"move 0 at 30,40 native 0"}},
        // A held Shift counts in the mouse flags of every event from now on.
        {[&] { w->inputKey(LShift, Shift, 0, true); }, {"app keyDown"}},
        {[&] { w->inputMouseButton(MouseEvent::kRight, true, {50, 60}); }, {"capture", "down 2 at 50,60 native 0x6"}},
        // The button comes up where this window never hears of it: the drag ends here, at
        // the last place the mouse was seen, with no initiator.
        {[&] { w->inputFocus(false); }, {"release", "up 0 at 50,60 native 0x4"}},
        {[&] { w->inputMouseMove({31, 41}); }, {"move 0 at 31,41 native 0x4"}},
        {[&] { w->inputFocus(false); }, {}}, // no drag: nothing to end
    };
    // clang-format on
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        steps[i].report();
        EXPECT_EQ(take(), steps[i].expected);
    }
}
