#include "app/CFinView.h"

using namespace platform;

CFinView::CFinView(Window* frame) : CView(frame) {}

void CFinView::OnInitialUpdate() {}

void CFinView::OnDraw(Dc&) {}

bool CFinView::OnEraseBackground(Dc&)
{
    // The frame artwork and the pages cover the whole view.
    return true;
}
