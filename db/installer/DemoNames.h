#pragma once

#include <span>
#include <string>
#include <string_view>

// The fixed vocabulary of the demo branch: stations, branches, people, parties, places, reasons.
// No text holds an apostrophe (the windows put several of them into statements unescaped).
namespace installer::demo {

// A station of the network: its code is the origin and destination code, its city the CityName.
struct Station {
    std::string_view code;
    std::string_view city;
    std::string_view region;
};
// The branch's own station comes first.
std::span<const Station> stations();
inline constexpr std::size_t kHomeStation = 0;

// The branch office's main branch (query logging needs the code "HO") and its city branch.
inline constexpr std::string_view kMainBranch = "HO";
inline constexpr std::string_view kCityBranch = "ZEL";

// BranchMaster's name of a branch: the two above, or a station's code for its branch.
std::string branchName(std::string_view code);

struct SubBranch {
    std::string_view code;
    std::string_view name;
};
std::span<const SubBranch> subBranches();

// Delivery and non-delivery reasons of runsheet lines (and the head office's status codes).
struct Reason {
    std::string_view code;
    std::string_view name;
};
inline constexpr std::string_view kDelivered = "DL";
inline constexpr std::string_view kReturnedToOrigin = "RT";
inline constexpr std::string_view kMisrouted = "MR";
std::span<const Reason> reasons();
// The name of a reason code, empty for none.
std::string_view reasonName(std::string_view code);
// The codes a failed delivery attempt gets.
std::span<const std::string_view> nonDeliveryReasons();

// The users of the demo branch, and the counter users whose names the entries carry.
struct User {
    std::string_view name;
    std::string_view password;
    std::string_view category;
    std::string_view branch;
};
std::span<const User> users();
std::span<const std::string_view> counterUsers();
// Workstations the entries name as their machine.
std::span<const std::string_view> workstations();

// Account parties: code (at most 15 characters, one longer than the 10 the lists show) and name.
struct Party {
    std::string_view code;
    std::string_view name;
};
std::span<const Party> parties();

std::span<const std::string_view> firstNames();
std::span<const std::string_view> surnames();
std::span<const std::string_view> streets();
std::span<const std::string_view> localities();
std::span<const std::string_view> contents();
// First five digits of the demo's mobile numbers (searches by prefix find many).
std::span<const std::string_view> mobilePrefixes();

// The staff member and the delivery area of the runsheet numbered slot of a day (the same every
// day), and how its staff travels.
std::string staffCode(int slot);
std::string staffName(int slot);
std::string areaCode(int slot);
std::string areaName(int slot);
std::string_view runsheetMode(int slot);

} // namespace installer::demo
