#include "platform/win/font.h"

#include "platform/win/gui_metrics.h"

namespace zrk {

Font::~Font() {
    for (const auto& entry : handles_)
        DeleteObject(entry.second);
}

HFONT Font::Handle(int dpi) {
    for (const auto& entry : handles_) {
        if (entry.first == dpi)
            return entry.second;
    }
    LOGFONTW lf = {};
    lf.lfHeight = Scale(style_.height, dpi);
    lf.lfWeight = style_.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, style_.face.c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectW(&lf);
    handles_.emplace_back(dpi, handle);
    return handle;
}

}  // namespace zrk
