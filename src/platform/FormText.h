#pragma once
// The text notation of form designs, as a plain tree (no Qt).
//
//   object fmDemo: TfmDemo
//     Caption = 'Demo'
//     object Panel1: TPanel
//       Align = alClient
//       Font.Style = [fsBold]
//     end
//   end
//
// ParseFormText turns bytes into a TFormObject tree (with line numbers) or an
// error; FormatFormText writes a tree back in the same notation, so that
// parsing the formatted text gives the same tree again. Binding the tree to
// real components is the platform's form reader, not this file's job.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TFormValueKind {
  Integer,     // 12, -3, $FF
  Float,       // 1.5, 2E3
  String,      // 'it''s'#13#10'x' + 'y'  (UTF-8 bytes)
  Identifier,  // alClient, True, clSilver, Panel1.Font
  Set,         // [fsBold, fsItalic]
  List,        // ( 'a' 'b' 3 )
  Binary,      // { 0A0B0C }
  Collection,  // < item ... end item ... end >
};

struct TFormProperty;

// One item of a collection: its properties in file order.
struct TFormItem {
  int Line = 0;
  std::vector<TFormProperty> Properties;
};

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::Integer;
  int Line = 0;
  std::int64_t Integer = 0;
  double Float = 0;
  std::string Text;                // String, Identifier, Binary (raw bytes)
  std::vector<std::string> Names;  // Set
  std::vector<TFormValue> Elements;  // List
  std::vector<TFormItem> Items;      // Collection
};

struct TFormProperty {
  std::string Name;  // may be dotted: Font.Height
  int Line = 0;
  TFormValue Value;
};

enum class TFormObjectKind {
  Object,     // object Name: TClass   (a new component)
  Inherited,  // inherited Name: TClass (one that the base design created)
  Inline,     // inline Name: TClass
};

struct TFormObject {
  TFormObjectKind Kind = TFormObjectKind::Object;
  std::string Name;  // may be empty: "object TClass"
  std::string ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// Limits that keep hostile input harmless.
struct TFormTextLimits {
  std::size_t MaxInput = 64u << 20;     // bytes of text
  int MaxDepth = 64;                    // objects, items, lists, collections
  std::size_t MaxString = 1u << 20;     // bytes of one string value
  std::size_t MaxBinary = 32u << 20;    // bytes of one binary value
  std::size_t MaxNodes = 1u << 20;      // properties, values and objects in all
};

struct TFormParseResult {
  bool Ok = false;
  TFormObject Root;
  int ErrorLine = 0;      // 1-based line of the first error
  std::string Error;      // what is wrong there
};

TFormParseResult ParseFormText(std::string_view Text, const TFormTextLimits& Limits = {});

// The tree in the text notation, two spaces of indentation per level.
std::string FormatFormText(const TFormObject& Root);

// One value as it would stand after "Name = " at the given indentation.
std::string FormatFormValue(const TFormValue& Value, int Indent = 0);

// Whether Name is a valid identifier, optionally dotted ("Font.Height").
bool IsFormIdentifier(std::string_view Name, bool AllowDots);
