// File dialog filters: the workbench writes them as "description|pattern"
// pairs ("Listen (*.ldt)|*.ldt"); Qt wants "description (pattern)" entries
// joined by ";;". Qt-free.
#pragma once

#include <string>
#include <string_view>

namespace dialogfilter {

// "Listen (*.ldt)|*.ldt" -> "Listen (*.ldt)". A description that does not
// already name its pattern in parentheses gets " (pattern)" appended, since
// Qt takes the patterns from the parentheses. Several patterns separated by
// ";" become blank-separated. A trailing description without pattern is kept
// as it is.
std::string toQtFilter(std::string_view filter);

}  // namespace dialogfilter
