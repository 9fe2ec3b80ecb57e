// The exclusive groups of flat buttons: buttons with the same non-zero group index on the same
// parent share one QButtonGroup, which keeps at most one of them checked (latched down). When
// the group allows all buttons up (it is not exclusive), the checked one may be unchecked too.
#pragma once

class QAbstractButton;
class QButtonGroup;
class QWidget;

namespace gui::widgets {

// The group of `index` among the children of `parent`, made on first use.
QButtonGroup* flatButtonGroup(QWidget* parent, int index);

}  // namespace gui::widgets
