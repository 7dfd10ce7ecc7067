#pragma once
// TForm4, the patches window. Nothing in the launcher opens it.

#include "platform/win/form.h"

namespace zrk {

class TForm4 : public Form {
public:
    TForm4() : Form(L"补丁与更新", 320, 240) {}
};

}  // namespace zrk
