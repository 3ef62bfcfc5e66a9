// The feature floor for the start-up benchmark: the least a program with
// Tabulon's features needs (a window with a tab control, a filled list box and
// a notification-area icon), written straight on the API.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = hwnd;
    nid.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &nid);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"FeatureFloor";
  RegisterClassW(&wc);
  HWND main = CreateWindowExW(0, L"FeatureFloor", L"Feature floor",
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 192, 110,
                              522, 310, nullptr, nullptr, instance, nullptr);
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 516, 281, main,
                              nullptr, instance, nullptr);
  TCITEMW item{TCIF_TEXT};
  item.pszText = const_cast<wchar_t*>(L"Page");
  TabCtrl_InsertItem(tabs, 0, &item);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 12, 176, 377, 89,
                              main, nullptr, instance, nullptr);
  for (int i = 0; i < 53; ++i) SendMessageW(list, LB_ADDSTRING, 0, LPARAM(L"A constant  c=1.0 unit"));
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = main;
  nid.uID = 1;
  nid.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  nid.uCallbackMessage = WM_APP;
  nid.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpyW(nid.szTip, L"Feature floor");
  Shell_NotifyIconW(NIM_ADD, &nid);
  ShowWindow(main, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
