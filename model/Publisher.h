#pragma once
// The publisher shown in the footer of both pages and the two addresses its links open.

namespace Publisher {
inline constexpr const char* Name = "Platomer vývoj";
inline constexpr const char* Web = "pm.example";
inline constexpr const char* Mail = "p@pm.example";
inline constexpr const char* SecondWeb = "mzdy.pm.example";
inline constexpr const char* Copyright = "\u00a9";
}  // namespace Publisher
