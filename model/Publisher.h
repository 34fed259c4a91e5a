#pragma once

namespace platomer {
// The publisher shown in the footer of both pages and the two addresses its links open.

namespace Publisher {
inline constexpr const char* Name = "Platomer vývoj";
inline constexpr const char* Web = "p.example";
inline constexpr const char* Mail = "p@p.example";
inline constexpr const char* SecondWeb = "mzdy.p.example";
inline constexpr const char* Copyright = "\u00a9";
}  // namespace Publisher

}  // namespace platomer
