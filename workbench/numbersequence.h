// The number sequences of the tree pages' "Folge einfügen…" button, Qt-free:
// the typed text split into its entries, random numbers not yet in the tree,
// and the one summary of the entries that were not inserted.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class RandomSource;

namespace numbersequence {

// The smallest and largest key of the tree pages.
inline constexpr int kLowest = 1;
inline constexpr int kHighest = 99;

// The entries of text in order: the pieces between blanks and commas, empty
// pieces dropped. The entries are not checked.
std::vector<std::string> splitEntries(std::string_view text);

// Up to count distinct numbers of 1..99 for which taken is false, in the
// order drawn; all free numbers (shuffled) when fewer than count are free.
std::vector<int> drawFreeNumbers(int count, const std::function<bool(int)>& taken,
                                 RandomSource& random);

// An entry that was not inserted, with the message the Insert button gives.
struct Refusal {
    std::string entry;
    std::string reason;
};

// "Nicht eingefügt: <entry> (<reason>), <entry> (<reason>)", or "" when
// nothing was refused.
std::string summary(const std::vector<Refusal>& refused);

}  // namespace numbersequence
