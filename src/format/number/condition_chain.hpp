// Following a chain of conditions from definition to definition.
//
// A condition that holds hands the value on to another definition, which may
// hold a condition of its own, and so on as far as the document goes.  Each
// hop ends the definition it leaves, so the chain is followed in a loop, not
// by nesting.  A step of the chain is a lead: the definition entered, the
// condition that holds in it, and where that condition goes.  Two leads are
// the same when the same condition holds for the same value; a chain that
// comes back to a lead it has taken would go round for ever, and ends in
// the definition of the first lead met twice, taken without its conditions.
//
// Cycles are found without remembering the leads (Brent's method: each lead
// is compared with one saved every power of two steps), since a chain may be
// as long as the document.  Steps may have effects (text values written as
// a definition is walked); those are made exactly as the plain chain would
// make them: the steps that find where the cycle starts are taken quietly,
// and the chain is then walked on until it stands at that lead, so the last
// steps taken go once round the whole cycle in its order.
#pragma once

#include <cstdint>

namespace qrv::numformat {

enum class Effects : bool { kMade, kQuiet };

template <typename Lead>
struct ChainEnd {
    Lead lead;
    // lead is the first lead met twice: its definition is to be taken
    // without its conditions.  Otherwise the chain ended in lead's target,
    // the definition of the last step taken.
    bool repeated = false;
};

// next(lead, following, effects) takes the step into lead's target: true,
// with the lead found there, when a condition of the target holds; false
// when the chain ends in the target.  It must answer the same for the same
// lead every time.
template <typename Lead, typename Next>
ChainEnd<Lead> follow_chain(const Lead &first, Next next) {
    const auto step = [&next](Lead &lead, Effects effects) {
        Lead following{};
        if (!next(lead, following, effects)) return false;
        lead = following;
        return true;
    };
    Lead saved = first, walker = first;
    uint64_t stretch = 1, cycle = 1;
    for (;;) {
        if (!step(walker, Effects::kMade)) return {walker, false};
        if (walker == saved) break;
        if (cycle == stretch) {
            saved = walker;
            stretch *= 2;
            cycle = 0;
        }
        ++cycle;
    }
    // The chain goes round `cycle` leads.  The first repeated lead is where
    // a walker from the start meets one that set out `cycle` steps ahead.
    // (A chunker that answers differently the second time ends the search
    // where the walker stands.)
    Lead behind = first, ahead = first;
    for (uint64_t i = 0; i < cycle; ++i)
        if (!step(ahead, Effects::kQuiet)) return {walker, true};
    while (!(behind == ahead))
        if (!step(behind, Effects::kQuiet) || !step(ahead, Effects::kQuiet)) return {walker, true};
    for (uint64_t i = 0; i < cycle && !(walker == behind); ++i)
        if (!step(walker, Effects::kMade)) return {walker, false};
    return {walker, true};
}

}  // namespace qrv::numformat
