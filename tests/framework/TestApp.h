#pragma once

#include "tests/framework/Fakes.h"

#include <functional>

namespace lume::test {

// An application that writes each call into the journal and runs optional hooks.
class TestApp : public AppBasic {
  public:
    TestApp(FakeClock &clock, Journal &journal) : AppBasic(clock), mJournal(journal) {}
    ~TestApp() override { mJournal.add("destroy"); }

    void prepareSettings(Settings *settings) override
    {
        mJournal.add("prepareSettings");
        if (onPrepare)
            onPrepare(*settings);
    }
    void setup() override
    {
        mJournal.add("setup");
        if (onSetup)
            onSetup();
    }
    void update() override
    {
        mJournal.add("update");
        if (onUpdate)
            onUpdate();
    }
    void draw() override { mJournal.add("draw"); }
    void resize() override { mJournal.add("resize"); }
    void shutdown() override { mJournal.add("shutdown"); }
    void mouseDown(MouseEvent) override { mJournal.add("app mouseDown"); }
    void mouseUp(MouseEvent) override { mJournal.add("app mouseUp"); }
    void mouseDrag(MouseEvent) override { mJournal.add("app mouseDrag"); }
    void mouseMove(MouseEvent) override { mJournal.add("app mouseMove"); }
    void mouseWheel(MouseEvent) override { mJournal.add("app mouseWheel"); }
    void keyDown(KeyEvent) override
    {
        mJournal.add("app keyDown");
        if (onKeyDown)
            onKeyDown();
    }
    void keyUp(KeyEvent) override { mJournal.add("app keyUp"); }
    void fileDrop(FileDropEvent) override { mJournal.add("app fileDrop"); }

    std::function<void(Settings &)> onPrepare;
    std::function<void()> onSetup, onUpdate, onKeyDown;

  private:
    Journal &mJournal;
};

} // namespace lume::test
