// Builds one JSON document as UTF-8 text; the e2e tools print these for the Python harness.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view utf8);
  JsonWriter& String(std::wstring_view utf16);
  JsonWriter& Int(std::int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // Shorthands for one member of the current object.
  JsonWriter& Field(std::string_view name, std::string_view utf8) { return Key(name).String(utf8); }
  JsonWriter& Field(std::string_view name, std::wstring_view w) { return Key(name).String(w); }
  JsonWriter& Field(std::string_view name, const char* utf8) { return Key(name).String(utf8); }
  JsonWriter& Field(std::string_view name, const wchar_t* w) { return Key(name).String(w); }
  JsonWriter& Field(std::string_view name, std::int64_t v) { return Key(name).Int(v); }
  JsonWriter& Field(std::string_view name, int v) { return Key(name).Int(v); }
  JsonWriter& Field(std::string_view name, unsigned v) { return Key(name).Int(v); }
  JsonWriter& Field(std::string_view name, long v) { return Key(name).Int(v); }
  JsonWriter& Field(std::string_view name, unsigned long v) { return Key(name).Int(v); }
  JsonWriter& Field(std::string_view name, bool v) { return Key(name).Bool(v); }

  const std::string& str() const { return out_; }

 private:
  void BeforeValue();
  void AppendEscaped(std::string_view utf8);

  std::string out_;
  std::vector<bool> has_items_;  // one level per open object or array
  bool after_key_ = false;
};

std::string ToUtf8(std::wstring_view utf16);

}  // namespace e2e
