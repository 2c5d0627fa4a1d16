// The worksheet of what the user owns ("IDD_Assets").
#pragma once

#include "pages/money/NetWorthSheet.h"

class AssetsPage : public NetWorthSheet {
public:
    explicit AssetsPage(platform::Window* view);
};
