// The filter's state record and node initialisation.
#include "tree.hpp"

#include <cstring>

namespace qrv::doctree {
namespace {

constexpr uint32_t kNoValue = 0xFFFFFFFFu;

}  // namespace

void init_state(EXDTState &state) {
    std::memset(&state, 0, sizeof state);
    state.Words[3] = kNoValue;
    state.Words[201] = kNoValue;
    state.Words[202] = EXDT_DEFAULT_CHARSET;
}

void copy_state(EXDTState &destination, const EXDTState *source) {
    if (source)
        destination = *source;
    else
        init_state(destination);
}

}  // namespace qrv::doctree

// Sets the state to its starting values: all words 0 except words 3 and 201
// (-1) and word 202 (the default character set 0x30100).  18 for a null
// state, else 0.
extern "C" QRVAPI uint32_t EXDTInitState(EXDTState *state) {
    if (!state) return QRV_E_INCONSISTENT;
    qrv::doctree::init_state(*state);
    return QRV_OK;
}

// Copies the source state into destination, or starts destination afresh
// for a null source.  18 for a null destination.
extern "C" QRVAPI uint32_t EXDTCopyState(EXDTState *destination, const EXDTState *source) {
    if (!destination) return QRV_E_INCONSISTENT;
    qrv::doctree::copy_state(*destination, source);
    return QRV_OK;
}

// Clears the node, then makes both its head and body run from ids[0] to
// ids[1] with a copy of the state (a fresh one for a null state) at each.
// 18 for a null node or ids, else 0.
extern "C" QRVAPI uint32_t EXDTInitBodyFromState(EXDTNode *node, const uint32_t ids[2], const EXDTState *state) {
    if (!node || !ids) return QRV_E_INCONSISTENT;
    std::memset(node, 0, sizeof *node);
    node->HeadStartId = node->Body.BodyStartId = ids[0];
    node->HeadEndId = node->Body.BodyEndId = ids[1];
    qrv::doctree::copy_state(node->HeadState, state);
    qrv::doctree::copy_state(node->Body.BodyState, state);
    return QRV_OK;
}
