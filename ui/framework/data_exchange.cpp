#include "ui/framework/data_exchange.h"

#include "ui/framework/wnd.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  control.m_hWnd = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
}
