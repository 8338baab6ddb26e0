#include "manifest.hpp"

#include "core/error.hpp"

namespace qrv::import::odf {
namespace {

constexpr const char *kManifest = "META-INF/manifest.xml";

class EncryptionFinder final : public XmlHandler {
public:
    explicit EncryptionFinder(bool &found) : found_(found) {}
    void start(const XmlName &name, const XmlAttributes &) override {
        if (!name.is(Ns::Manifest, "encryption-data")) return;
        found_ = true;
        throw StopReading{};
    }
    void end(const XmlName &) override {}

private:
    bool &found_;
};

}  // namespace

void refuse_encrypted(Package &package) {
    if (!package.has(kManifest)) return;
    bool encrypted = false;
    EncryptionFinder finder(encrypted);
    try {
        package.read(kManifest, finder);
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().warn(std::string(e.what()) + "; the parts are read as plain XML");
    }
    if (encrypted)
        throw ImportError(IM_ERR_ENCRYPTED,
                          "the file is encrypted (password-protected); save it without a password to export it");
}

}  // namespace qrv::import::odf
