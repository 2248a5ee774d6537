// The run dialog's layout as designed at 96 DPI.
#pragma once

#include "ui/app/Layout.h"

#include <cstddef>

namespace velmora {

constexpr int kExecuteImgId = 101;
constexpr int kExecuteLbl1Id = 102;
constexpr int kExecuteLabel1Id = 103;
constexpr int kExecuteBokId = 104;
constexpr int kExecuteBclId = 105;
constexpr int kExecuteBbrId = 106;
constexpr int kExecuteEdtId = 107;

constexpr LayoutSize kExecuteClient{353, 137};

// In creation order, which is the tab order: bok, bcl, bbr, edt. Label1's
// size is its text's; the combo box's height is that of its open drop-down
// list (closed, it sizes itself to the font).
extern const DesignedControl kExecuteLayout[];
extern const std::size_t kExecuteLayoutCount;

}  // namespace velmora
