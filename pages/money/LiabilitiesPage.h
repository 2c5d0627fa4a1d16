// The worksheet of what the user owes ("IDD_Liabilities").
#pragma once

#include "pages/money/NetWorthSheet.h"

class LiabilitiesPage : public NetWorthSheet {
public:
    explicit LiabilitiesPage(platform::Window* view);
};
