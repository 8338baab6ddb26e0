// The pieces of recorded events between the thread that parses and the one
// that handles: at most kPiecesAhead wait at once, so the parse runs ahead
// by a bounded amount of memory, and handled pieces come back to be filled
// again.  Either side may end it: the parse by finishing (with the fault
// that stopped it, if any), the handler by stopping.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <vector>

namespace qrv::import {

class XmlHandoff {
public:
    static constexpr size_t kPiecesAhead = 16;
    static constexpr size_t kPieceBytes = 32 * 1024;

    // The parsing side.  An empty piece to fill (a spare one when there is).
    std::vector<char> blank_piece();
    // Waits for room; false (the piece dropped) when the handler stopped.
    bool hand_over(std::vector<char> &&piece);
    void finish(std::exception_ptr fault);

    // The handling side.  The next piece, waiting for it; false once the
    // parse finished and every piece was taken.
    bool next(std::vector<char> &piece);
    void give_back(std::vector<char> &&piece);
    void stop();
    // What stopped the parse; null when it reached the end.
    std::exception_ptr fault();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<char>> waiting_;
    std::vector<std::vector<char>> spare_;
    std::exception_ptr fault_;
    bool finished_ = false;
    bool stopped_ = false;
};

}  // namespace qrv::import
