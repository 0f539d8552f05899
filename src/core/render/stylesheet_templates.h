#pragma once

namespace tilvane {

// The texts the stylesheets are written from; lines are separated by single CRs.
extern const char* const kCommonCssTemplate; // five "%s" placeholders
extern const char* const kScreenCssPrefix;
extern const char* const kScreenCssSuffix;

} // namespace tilvane
