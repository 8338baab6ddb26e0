#include "xml_handoff.hpp"

#include <utility>

namespace qrv::import {

std::vector<char> XmlHandoff::blank_piece() {
    std::vector<char> piece;
    {
        std::lock_guard lock(mutex_);
        if (!spare_.empty()) {
            piece = std::move(spare_.back());
            spare_.pop_back();
        }
    }
    piece.clear();
    piece.reserve(kPieceBytes);
    return piece;
}

bool XmlHandoff::hand_over(std::vector<char> &&piece) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || waiting_.size() < kPiecesAhead; });
    if (stopped_) return false;
    waiting_.push_back(std::move(piece));
    changed_.notify_all();
    return true;
}

void XmlHandoff::finish(std::exception_ptr fault) {
    std::lock_guard lock(mutex_);
    fault_ = std::move(fault);
    finished_ = true;
    changed_.notify_all();
}

bool XmlHandoff::next(std::vector<char> &piece) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return finished_ || !waiting_.empty(); });
    if (waiting_.empty()) return false;
    piece = std::move(waiting_.front());
    waiting_.pop_front();
    changed_.notify_all();
    return true;
}

void XmlHandoff::give_back(std::vector<char> &&piece) {
    std::lock_guard lock(mutex_);
    spare_.push_back(std::move(piece));
}

void XmlHandoff::stop() {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
}

std::exception_ptr XmlHandoff::fault() {
    std::lock_guard lock(mutex_);
    return fault_;
}

}  // namespace qrv::import
