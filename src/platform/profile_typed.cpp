// The stored text forms of the profile's typed values.
#include <cstdio>
#include <vector>

#include "platform/number_text.h"
#include "platform/profile.h"

namespace {

// The numbers, each in the printf form, separated by single blanks.
std::string JoinNumbers(std::initializer_list<int> numbers, const char* form) {
  std::string text;
  for (int number : numbers) {
    char field[32];
    std::snprintf(field, sizeof field, form, number);
    if (!text.empty()) text += ' ';
    text += field;
  }
  return text;
}

// The numbers of a text split at blanks; missing ones keep the fallback's.
std::vector<int> SplitNumbers(const std::string& text, std::vector<int> fallback) {
  size_t index = 0;
  size_t start = text.find_first_not_of(' ');
  while (start != std::string::npos && index < fallback.size()) {
    const size_t end = text.find(' ', start);
    fallback[index++] = LeadingInt(std::string_view(text).substr(start, end - start));
    start = text.find_first_not_of(' ', end);
  }
  return fallback;
}

std::string RectText(const ProfileRect& r, const char* form) {
  return JoinNumbers({r.left, r.top, r.right, r.bottom}, form);
}

std::string PointText(const ProfilePoint& p, const char* form) { return JoinNumbers({p.x, p.y}, form); }

constexpr const char* kPadded = "%09d";
constexpr const char* kPlain = "%d";
constexpr int kFullPrecision = 20;

int Both(int first, int second) { return first && second ? 1 : 0; }

}  // namespace

int64_t Profile::GetInt64(const std::string& section, const std::string& key, int64_t def) {
  return LeadingInt64(GetStr(section, key, std::to_string(def)));
}

int Profile::WriteInt64(const std::string& section, const std::string& key, int64_t value) {
  return WriteStr(section, key, std::to_string(value));
}

double Profile::GetDouble(const std::string& section, const std::string& key, double def) {
  return LeadingDouble(GetStr(section, key, FormatDouble(def)));
}

int Profile::WriteDouble(const std::string& section, const std::string& key, double value) {
  return WriteStr(section, key, FormatDouble(value));
}

double Profile::GetFloat(const std::string& section, const std::string& key, double def) {
  GetStr(section, key + "_Flt_", FormatDouble(def, kFullPrecision));
  return GetDouble(section, key, def);
}

int Profile::WriteFloat(const std::string& section, const std::string& key, double value) {
  return Both(WriteStr(section, key + "_Flt_", FormatDouble(value, kFullPrecision)), WriteDouble(section, key, value));
}

ProfileRect Profile::GetRect(const std::string& section, const std::string& key, const ProfileRect& def) {
  const std::vector<int> n =
      SplitNumbers(GetStr(section, key, RectText(def, kPadded)), {def.left, def.top, def.right, def.bottom});
  return {n[0], n[1], n[2], n[3]};
}

int Profile::WriteRect(const std::string& section, const std::string& key, const ProfileRect& value) {
  return WriteStr(section, key, RectText(value, kPadded));
}

ProfileRect Profile::GetRectLTRB(const std::string& section, const std::string& key, const ProfileRect& def) {
  GetStr(section, key + "_LTRB", RectText(def, kPlain));
  return GetRect(section, key, def);
}

int Profile::WriteRectLTRB(const std::string& section, const std::string& key, const ProfileRect& value) {
  return Both(WriteStr(section, key + "_LTRB", RectText(value, kPlain)), WriteRect(section, key, value));
}

ProfilePoint Profile::GetPoint(const std::string& section, const std::string& key, const ProfilePoint& def) {
  const std::vector<int> n = SplitNumbers(GetStr(section, key, PointText(def, kPadded)), {def.x, def.y});
  return {n[0], n[1]};
}

int Profile::WritePoint(const std::string& section, const std::string& key, const ProfilePoint& value) {
  return WriteStr(section, key, PointText(value, kPadded));
}

ProfilePoint Profile::GetPointXY(const std::string& section, const std::string& key, const ProfilePoint& def) {
  GetStr(section, key + "_L_XY", PointText(def, kPlain));
  return GetPoint(section, key, def);
}

int Profile::WritePointXY(const std::string& section, const std::string& key, const ProfilePoint& value) {
  return Both(WriteStr(section, key + "_L_XY", PointText(value, kPlain)), WritePoint(section, key, value));
}
