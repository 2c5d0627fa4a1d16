// The framework document. It holds no data: the user's entries live in
// CFinData records and the saved-work file.
#pragma once

#include "platform/Framework.h"

class CFinDoc : public platform::CDocument {};
