#include "bullets.hpp"

namespace qrv::import::slides {
namespace {

textdoc::ListDefinition definition_of(const Bullet &bullet) {
    textdoc::ListDefinition list;
    for (unsigned level = 0; level < kSlideLevels; ++level) {
        textdoc::ListLevel l;
        if (bullet.kind == Bullet::Kind::Character) {
            l.kind = textdoc::NumberKind::Bullet;
            l.text = bullet.character;
        } else {
            l.kind = bullet.number;
            l.text = bullet.before + "%" + std::to_string(level + 1) + bullet.after;
            l.start = bullet.start;
        }
        list.levels.push_back(std::move(l));
    }
    return list;
}

}  // namespace

std::optional<std::string> BulletLists::list_for(const Bullet &bullet, uint32_t scope) {
    std::string key;
    switch (bullet.kind) {
    case Bullet::Kind::None: return std::nullopt;
    case Bullet::Kind::Character: key = "bullet " + bullet.character; break;
    case Bullet::Kind::Number:
        key = "number " + std::to_string(static_cast<int>(bullet.number)) + " " + bullet.before + " " + bullet.after +
              " " + std::to_string(bullet.start) + " " + std::to_string(scope);
        break;
    }
    if (!lists_.contains(key)) lists_.emplace(key, definition_of(bullet));
    return key;
}

void BulletLists::define(textdoc::TextDocument &doc) const {
    for (const auto &[key, list] : lists_) doc.add_list(key, list);
}

}  // namespace qrv::import::slides
