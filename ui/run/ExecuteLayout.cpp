#include "ui/run/ExecuteLayout.h"

namespace velmora {

const DesignedControl kExecuteLayout[] = {
    {kExecuteImgId, {5, 4, 48, 48}},      // img
    {kExecuteLbl1Id, {63, 14, 282, 30}},  // lbl1
    {kExecuteLabel1Id, {8, 67, 40, 13}},  // Label1
    {kExecuteBokId, {64, 104, 89, 23}},   // bok
    {kExecuteBclId, {160, 104, 89, 23}},  // bcl
    {kExecuteBbrId, {256, 104, 89, 23}},  // bbr
    {kExecuteEdtId, {64, 64, 281, 200}},  // edt
};
const std::size_t kExecuteLayoutCount = sizeof kExecuteLayout / sizeof kExecuteLayout[0];

}  // namespace velmora
