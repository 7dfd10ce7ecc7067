#include "platform/win/font.h"

#include "platform/win/gui_metrics.h"

namespace zrk {

Font::~Font() {
    if (handle_)
        DeleteObject(handle_);
}

HFONT Font::Handle(int dpi) {
    if (handle_ && handleDpi_ == dpi)
        return handle_;
    if (handle_)
        DeleteObject(handle_);
    LOGFONTW lf = {};
    lf.lfHeight = Scale(spec_.height, dpi);
    lf.lfWeight = spec_.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, spec_.face.c_str(), LF_FACESIZE);
    handle_ = CreateFontIndirectW(&lf);
    handleDpi_ = dpi;
    return handle_;
}

}  // namespace zrk
