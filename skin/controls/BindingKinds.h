#pragma once
// Kind codes of skinned hosts and the rules that hang on them: which kinds
// never turn hot under the pointer, which are edit-like (hot only by focus),
// which answer their children in the normal state while the pointer is inside,
// whose colours the binding keeps equal to the section's, and where the
// section of a host without a section name comes from.
#include <cstdint>
#include <string_view>

// Kind codes set by each host class at creation.
inline constexpr int32_t kKindEdit = 3;
inline constexpr int32_t kKindMemo = 7;
inline constexpr int32_t kKindListView = 10;
inline constexpr int32_t kKindComboBox = 13;
inline constexpr int32_t kKindCheckBox = 32;
inline constexpr int32_t kKindSpeedButton = 92;
inline constexpr int32_t kKindFormProvider = 224;
inline constexpr int32_t kKindAdapted = 226;       // controls skinned by the control adapter
inline constexpr int32_t kKindTitleItem = 230;     // title-bar graphic items

// The pointer never makes the host hot.
bool NeverHotByPointer(int32_t kind);
// Edit-like: hot only while focused.
bool HotOnlyByFocus(int32_t kind);
// Children are answered with the normal state while the pointer is inside.
bool AnswersNormalWhilePointerInside(int32_t kind);
// The binding keeps the host's colour and font colour equal to the section's.
bool KeepsSectionColors(int32_t kind);
// Speed-button kinds (92-94): their glow is left to the button itself.
bool IsSpeedButtonKind(int32_t kind);

// Where the section of a host with an empty section name comes from.
enum class DefaultSectionSource {
  Named,      // a fixed section name
  AskHost,    // the host answers AC_GETDEFINDEX (section index + 1)
  ClassName,  // the host's class name is the section name
};
struct DefaultSection {
  DefaultSectionSource Source = DefaultSectionSource::ClassName;
  std::string_view Name;  // for Named
};
DefaultSection DefaultSectionOf(int32_t kind);

// In design mode this section is drawn as "TRANSPARENT" instead.
inline constexpr std::string_view kDesignReplacedSection = "RADIOBUTTON";
