#include "root_check.hpp"

#include "core/error.hpp"

namespace qrv::import {

void RootCheck::start(const XmlName &name, const XmlAttributes &attributes) {
    if (!checked_) {
        checked_ = true;
        const std::string wanted = "a " + vocabulary_ + " <" + local_ + ">";
        if (name.local != local_)
            broken("the part holds <" + std::string(name.local) + "> where " + wanted + " belongs");
        if (name.ns != ns_)
            broken("the part holds a <" + local_ + "> of another namespace where " + wanted + " belongs");
    }
    reader_.start(name, attributes);
}

}  // namespace qrv::import
