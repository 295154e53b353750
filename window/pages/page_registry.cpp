#include "pages/page_registry.h"

#include <algorithm>

#include "kit/page_base.h"
#include "pages/calculus_page.h"
#include "pages/constants_page.h"
#include "pages/cover_page.h"
#include "pages/custom_expr_page.h"
#include "pages/determinant_page.h"
#include "pages/expr_calc_page.h"
#include "pages/graph_page.h"
#include "pages/linear_system_page.h"
#include "pages/logic_page.h"
#include "pages/matrix_page.h"
#include "pages/polynomial_page.h"
#include "pages/series_page.h"
#include "pages/statistics_page.h"

namespace zentova {
namespace {

template <class Page>
CPageBase* Create(CDesktop& desktop, QWidget* parent) {
    return new Page(desktop, parent);
}

constexpr ToolbarSet A = ToolbarSet::A;
constexpr ToolbarSet B = ToolbarSet::B;

// In page-index order: a page's row number is its index, the number that
// `--page` takes and that names its widget ("page7"). The cover page comes
// first in the window and on set A wherever its row stands; the other
// buttons of a set follow their rows.
constexpr PageEntry kPages[] = {
    {32776, "表达式计算", A, ":/res/toolbar/calculator.svg",
     "可直接输入表达式进行计算的计算器，提供了丰富的函数", &Create<CExprCalcPage>},
    {32778, "与矩阵有关的运算", A, ":/res/toolbar/matrix.svg", "与矩阵有关的一系列计算",
     &Create<CMatrixPage>},
    {32779, "解行列式", A, ":/res/toolbar/determinant.svg", "解行列式，可解2至100阶行列式",
     &Create<CDeterminantPage>},
    {32780, "定积分与微分的计算", A, ":/res/toolbar/calculus.svg", "求定积分与微分",
     &Create<CCalculusPage>},
    {32781, "数列求和与求积", A, ":/res/toolbar/series.svg", "数列求和与求积，可指定步长",
     &Create<CSeriesPage>},
    {32784, "解多元线性方程组", A, ":/res/toolbar/linear_system.svg", "解2到100元线性方程组",
     &Create<CLinearSystemPage>},
    {32785, "统计计算", A, ":/res/toolbar/statistics.svg", "常用的统计计算",
     &Create<CStatisticsPage>},
    {32786, "自定义表达式", A, ":/res/toolbar/custom_expression.svg", "自定义表达式计算",
     &Create<CCustomExprPage>},
    {32782, "图论的有关计算", B, ":/res/toolbar/graph.svg", "与图论有关的计算",
     &Create<CGraphPage>},
    {32788, "常用常数", B, ":/res/toolbar/constants.svg", "常用的常数", &Create<CConstantsPage>},
    {32791, "多项式相乘", B, ":/res/toolbar/polynomial.svg", "多项式相乘",
     &Create<CPolynomialPage>},
    {32792, "", A, ":/res/toolbar/cover.svg", "其实就是封面：）", &Create<CCoverPage>},
    {32793, "与命题逻辑有关的计算", B, ":/res/toolbar/logic.svg", "与命题逻辑有关的计算",
     &Create<CLogicPage>},
};
static_assert(std::ranges::count_if(kPages, IsCover) == 1,
              "exactly one page, the cover, goes without a short name");

}  // namespace

PageTableView PageTable() {
    return kPages;
}

}  // namespace zentova
