// Short names for features whose readable name is long or hard to guess.
// Every alias lives here, beside the name it stands for.
#include "feature_catalog.hpp"

namespace dvc::cli {

const std::vector<Alias>& Aliases() {
    static const std::vector<Alias> aliases{
        {"key-lock", "key-lock-state"},
        {"backlight", "back-light-state"},
        {"sharpness", "sharpness-nc2"},
        {"logo", "enable-varn-logo"},
        {"dc-5v-output", "enable-dc-5v-output"},
        {"whole-window-color", "enable-whole-window-color-setting"},
        {"pinp-shortcut-key", "pinp-shortcut-key-visible"},
        {"pinp-visible", "visible-pinp"},
        {"pbyp-layout", "ds-pbyp-layout"},
        {"qa-signal-select", "qa-signal-select-support-mode"},
        {"panel-tone-measure-mode", "panel-tone-char-measure-mode"},
        {"thriftlux-ambient-range", "auto-thriftlux-ambient-light-range"},
        {"signal-type-count", "supported-signal-type-selections-count"},
        {"edid-write", "edid-ddc-write"},
    };
    return aliases;
}

}  // namespace dvc::cli
