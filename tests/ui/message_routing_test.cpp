// Message maps route a message to the first matching entry of the class's
// own map, then of its bases'; commands no window takes go on to the
// application; a handler that calls Default leaves the message to Windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ui/framework/win_app.h"
#include "ui/framework/wnd.h"

namespace {

class RecordingApp : public CWinApp {
 public:
  std::vector<std::string> calls;

 protected:
  const MessageMap* GetMessageMap() const override { return &messageMap; }
  void OnHelpCommand() { calls.push_back("app help"); }

 private:
  static const MessageMapEntry messageEntries[];
  static const MessageMap messageMap;
};
constinit const MessageMapEntry RecordingApp::messageEntries[] = {
    OnCommand<&RecordingApp::OnHelpCommand>(0, ID_HELP),
};
constinit const MessageMap RecordingApp::messageMap{&CWinApp::messageMap, messageEntries};

class BaseWindow : public CWnd {
 public:
  std::vector<std::string> calls;

  bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return OnWndMsg(message, wParam, lParam, result);
  }

 protected:
  const MessageMap* GetMessageMap() const override { return &messageMap; }
  static const MessageMap messageMap;

  void OnBaseOk() { calls.push_back("base ok"); }
  void OnBasePaint() { calls.push_back("base paint"); }

 private:
  static const MessageMapEntry messageEntries[];
};
constinit const MessageMapEntry BaseWindow::messageEntries[] = {
    OnCommand<&BaseWindow::OnBaseOk>(BN_CLICKED, IDOK),
    OnMessage<WM_PAINT, &BaseWindow::OnBasePaint>(),
};
constinit const MessageMap BaseWindow::messageMap{&CCmdTarget::messageMap, messageEntries};

class DerivedWindow : public BaseWindow {
 public:
  UINT sysCommand = 0;
  LPARAM sysLParam = 0;

 protected:
  const MessageMap* GetMessageMap() const override { return &messageMap; }

  void OnFirstOk() { calls.push_back("derived ok, first"); }
  void OnSecondOk() { calls.push_back("derived ok, second"); }
  void OnSelChange() { calls.push_back("selchange 1000"); }
  void OnSysCommand(UINT nID, LPARAM lParam) {
    sysCommand = nID;
    sysLParam = lParam;
    if (nID == SC_CLOSE) Default();
  }
  HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(static_cast<INT_PTR>(0x1234)); }

 private:
  static const MessageMapEntry messageEntries[];
  static const MessageMap messageMap;
};
constinit const MessageMapEntry DerivedWindow::messageEntries[] = {
    OnMessage<WM_SYSCOMMAND, &DerivedWindow::OnSysCommand>(),
    OnMessage<WM_QUERYDRAGICON, &DerivedWindow::OnQueryDragIcon>(),
    OnCommand<&DerivedWindow::OnSelChange>(CBN_SELCHANGE, 1000),
    OnCommand<&DerivedWindow::OnFirstOk>(BN_CLICKED, IDOK),
    OnCommand<&DerivedWindow::OnSecondOk>(BN_CLICKED, IDOK),
};
constinit const MessageMap DerivedWindow::messageMap{&BaseWindow::messageMap, messageEntries};

class MessageRouting : public testing::Test {
 protected:
  RecordingApp app;
  DerivedWindow window;
  LRESULT result = -1;
};

TEST_F(MessageRouting, OwnMapComesFirstAndItsFirstEntryWins) {
  EXPECT_TRUE(window.Route(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0, result));
  EXPECT_EQ(window.calls, std::vector<std::string>{"derived ok, first"});
}

TEST_F(MessageRouting, BaseMapTakesWhatTheClassDoesNot) {
  EXPECT_TRUE(window.Route(WM_PAINT, 0, 0, result));
  EXPECT_EQ(window.calls, std::vector<std::string>{"base paint"});
}

TEST_F(MessageRouting, CommandsMatchOnNotificationCodeAndId) {
  EXPECT_TRUE(window.Route(WM_COMMAND, MAKEWPARAM(1000, CBN_SELCHANGE), 0, result));
  EXPECT_FALSE(window.Route(WM_COMMAND, MAKEWPARAM(1000, CBN_DROPDOWN), 0, result));
  EXPECT_FALSE(window.Route(WM_COMMAND, MAKEWPARAM(1001, CBN_SELCHANGE), 0, result));
  EXPECT_FALSE(window.Route(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0, result));
  EXPECT_EQ(window.calls, std::vector<std::string>{"selchange 1000"});
}

TEST_F(MessageRouting, HandlersGetTheirParametersAndGiveTheirResult) {
  EXPECT_TRUE(window.Route(WM_SYSCOMMAND, 0xABCD0013, 77, result));
  EXPECT_EQ(window.sysCommand, 0xABCD0013u);
  EXPECT_EQ(window.sysLParam, 77);
  EXPECT_TRUE(window.Route(WM_QUERYDRAGICON, 0, 0, result));
  EXPECT_EQ(result, 0x1234);
}

TEST_F(MessageRouting, DefaultLeavesTheMessageToWindows) {
  EXPECT_FALSE(window.Route(WM_SYSCOMMAND, SC_CLOSE, 0, result));
  EXPECT_EQ(window.sysCommand, static_cast<UINT>(SC_CLOSE));
  // The pass-on belongs to that one message only.
  EXPECT_TRUE(window.Route(WM_SYSCOMMAND, SC_MOVE, 0, result));
}

TEST_F(MessageRouting, CommandsNoWindowTakesGoToTheApplication) {
  EXPECT_TRUE(window.Route(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0, result));
  EXPECT_EQ(app.calls, std::vector<std::string>{"app help"});
  EXPECT_TRUE(window.calls.empty());
  // Other messages never reach the application.
  EXPECT_FALSE(window.Route(WM_SIZE, 0, 0, result));
}

TEST(MessageRoutingWithoutApplication, UnmatchedCommandIsLeftToWindows) {
  ASSERT_EQ(AfxGetApp(), nullptr);
  DerivedWindow window;
  LRESULT result = 0;
  EXPECT_FALSE(window.Route(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0, result));
}

}  // namespace
