#include "preparation/RunBand.h"

namespace preparation {

platform::Rect RunBand::bounds() const {
    const int left = view ? view->left + x : x;
    const int width = view ? view->width : 0;
    return {left, y, left + width, y + height};
}

bool RunBand::callMethod(const std::string& method) {
    if (!dataSource) return false;
    if (method == "FIRST")
        dataSource->first();
    else if (method == "NEXT")
        dataSource->next();
    else if (method == "PRIOR")
        dataSource->prior();
    else
        return false;
    return true;
}

}  // namespace preparation
