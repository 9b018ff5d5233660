#include "installer/DemoNames.h"

#include <array>

namespace installer::demo {

using namespace std::string_view_literals;

std::span<const Station> stations()
{
    static constexpr std::array<Station, 8> list{{
        {"ZEL", "ZELMORA", "CENTRAL"},
        {"KWD", "NORTHFIELD", "NORTH"},
        {"BRV", "BRAVENHOLM", "EAST"},
        {"TLS", "TALSHIRE", "SOUTH"},
        {"MRK", "MARKANDA", "WEST"},
        {"DUN", "DUNMORE", "NORTH"},
        {"HVN", "HAVENPORT", "SOUTH"},
        {"OKM", "OKELMORA", "EAST"},
    }};
    return list;
}

std::string branchName(std::string_view code)
{
    if (code == kMainBranch)
        return "ZELMORA HEAD OFFICE";
    if (code == kCityBranch)
        return "ZELMORA CITY BRANCH";
    for (const Station& s : stations())
        if (s.code == code)
            return std::string(s.city) + " BRANCH";
    return std::string(code);
}

std::span<const SubBranch> subBranches()
{
    static constexpr std::array<SubBranch, 3> list{{
        {"ZS01", "MARKET ROAD COUNTER"},
        {"ZS02", "STATION SQUARE COUNTER"},
        {"ZS03", "HARBOUR GATE COUNTER"},
    }};
    return list;
}

std::span<const Reason> reasons()
{
    static constexpr std::array<Reason, 10> list{{
        {"DL", "DELIVERED"},
        {"DC", "DOOR CLOSED"},
        {"RF", "REFUSED BY CONSIGNEE"},
        {"AN", "ADDRESS NOT FOUND"},
        {"CS", "CONSIGNEE SHIFTED"},
        {"NR", "NO RESPONSE ON PHONE"},
        {"OD", "OUT OF DELIVERY AREA"},
        {"HL", "HOLIDAY AT CONSIGNEE"},
        {"RT", "RETURNED TO ORIGIN"},
        {"MR", "MISROUTED"},
    }};
    return list;
}

std::string_view reasonName(std::string_view code)
{
    for (const Reason& r : reasons())
        if (r.code == code)
            return r.name;
    return {};
}

std::span<const std::string_view> nonDeliveryReasons()
{
    static constexpr std::array list{"DC"sv, "RF"sv, "AN"sv, "CS"sv, "NR"sv, "OD"sv, "HL"sv};
    return list;
}

std::span<const User> users()
{
    static constexpr std::array<User, 5> list{{
        {"ADMIN", "admin123", "Administrator", "HO"},
        {"SUPER", "super123", "Super Administrator", "HO"},
        {"COUNTER1", "counter1", "User", "HO"},
        {"COUNTER2", "counter2", "User", "HO"},
        {"COUNTER3", "counter3", "User", "ZEL"},
    }};
    return list;
}

std::span<const std::string_view> counterUsers()
{
    static constexpr std::array list{"COUNTER1"sv, "COUNTER2"sv, "COUNTER3"sv};
    return list;
}

std::span<const std::string_view> workstations()
{
    static constexpr std::array list{"COUNTER1"sv, "COUNTER2"sv};
    return list;
}

std::span<const Party> parties()
{
    static constexpr std::array<Party, 16> list{{
        {"ALNOOR", "AL NOOR TRADING COMPANY"},
        {"GULFSTAR", "GULF STAR ELECTRONICS"},
        {"BLUEWAVE", "BLUE WAVE TEXTILES"},
        {"HARBOR01", "HARBOUR LINE SHIPPING AGENCIES LIMITED"},
        {"MERIDIAN", "MERIDIAN PHARMA DISTRIBUTORS"},
        {"SUNRISE", "SUNRISE BOOKS AND STATIONERY"},
        {"ZELBANK", "ZELMORA COOPERATIVE BANK"},
        {"NORTHTEL", "NORTHFIELD TELECOM SERVICES"},
        {"GLOBALTRADE01", "GLOBAL TRADE AND LOGISTICS CORPORATION"},
        {"PEARLHOME", "PEARL HOME APPLIANCES"},
        {"CITYCARE", "CITY CARE HOSPITAL"},
        {"ORBITSOFT", "ORBIT SOFTWARE SOLUTIONS"},
        {"REDLEAF", "RED LEAF GARMENTS"},
        {"SILVERLN", "SILVER LINE INSURANCE"},
        {"TALSTEEL", "TALSHIRE STEEL WORKS"},
        {"VERTEX", "VERTEX AUTO PARTS"},
    }};
    return list;
}

std::span<const std::string_view> firstNames()
{
    static constexpr std::array list{
        "RAVI"sv,   "ANITA"sv,  "SAMUEL"sv, "FATIMA"sv, "JOHN"sv,   "MEERA"sv,   "OMAR"sv,   "LINA"sv,
        "PRAKASH"sv, "SARA"sv,  "DAVID"sv,  "NADIA"sv,  "ARJUN"sv,  "GRACE"sv,   "YUSUF"sv,  "PRIYA"sv,
        "THOMAS"sv, "LEILA"sv,  "VIKRAM"sv, "HANNA"sv,  "KARIM"sv,  "DEEPA"sv,   "PETER"sv,  "AMAL"sv,
        "SURESH"sv, "RANIA"sv,  "GEORGE"sv, "KAVYA"sv,  "HASSAN"sv, "ELENA"sv,   "MANOJ"sv,  "ZAINAB"sv,
    };
    return list;
}

std::span<const std::string_view> surnames()
{
    static constexpr std::array list{
        "SHARMA"sv,  "MATHEW"sv, "RAHMAN"sv, "NAIR"sv,    "KHALIL"sv,  "VARGHESE"sv, "IYER"sv,   "HADDAD"sv,
        "MENON"sv,   "JOSEPH"sv, "QURESHI"sv, "PILLAI"sv, "ABRAHAM"sv, "SALEH"sv,    "REDDY"sv,  "FERNANDES"sv,
        "KAPOOR"sv,  "MANSOUR"sv, "DAS"sv,    "GOMES"sv,  "ANSARI"sv,  "THAKUR"sv,   "ISAAC"sv,  "NASSER"sv,
    };
    return list;
}

std::span<const std::string_view> streets()
{
    static constexpr std::array list{
        "MARKET ROAD"sv,   "STATION ROAD"sv,  "HARBOUR STREET"sv, "PALM AVENUE"sv,  "CANAL ROAD"sv,
        "TEMPLE STREET"sv, "HILL VIEW ROAD"sv, "LAKE SIDE DRIVE"sv, "MILL LANE"sv,  "GARDEN STREET"sv,
        "RING ROAD"sv,     "CHURCH STREET"sv, "FORT ROAD"sv,     "BAZAAR STREET"sv, "OLD AIRPORT ROAD"sv,
    };
    return list;
}

std::span<const std::string_view> localities()
{
    static constexpr std::array list{
        "OLD TOWN"sv,      "NEW MARKET"sv,   "HARBOUR SIDE"sv,  "EAST GATE"sv,   "WEST END"sv,
        "UNIVERSITY AREA"sv, "INDUSTRIAL ZONE"sv, "LAKE VIEW"sv, "NORTH HILLS"sv, "SOUTH PARK"sv,
        "RIVERSIDE"sv,     "CENTRAL SQUARE"sv, "GREEN MEADOWS"sv, "FORT AREA"sv,  "SEA FRONT"sv,
        "AIRPORT ROAD"sv,  "PALM GROVE"sv,   "STATION AREA"sv,  "MILL TOWN"sv,   "CANAL SIDE"sv,
    };
    return list;
}

std::span<const std::string_view> contents()
{
    static constexpr std::array list{
        "DOCUMENTS"sv, "BOOKS"sv,    "MOBILE PHONE"sv, "GARMENTS"sv, "MEDICINES"sv, "SPARE PARTS"sv,
        "CHEQUE BOOK"sv, "LAPTOP"sv, "GIFT ITEMS"sv,   "SAMPLES"sv,  "INVOICES"sv,  "CARDS"sv,
    };
    return list;
}

std::span<const std::string_view> mobilePrefixes()
{
    static constexpr std::array list{"98765"sv, "99001"sv, "90080"sv, "97420"sv, "96055"sv, "95533"sv, "94470"sv, "93210"sv};
    return list;
}

namespace {

std::string numbered(char letter, int value)
{
    std::string digits = std::to_string(value);
    return letter + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

} // namespace

std::string staffCode(int slot)
{
    return numbered('S', slot + 1);
}

std::string staffName(int slot)
{
    const std::size_t first = std::size_t(slot) % firstNames().size();
    const std::size_t last = (std::size_t(slot) / firstNames().size() + std::size_t(slot) * 7) % surnames().size();
    return std::string(firstNames()[first]) + ' ' + std::string(surnames()[last]);
}

std::string areaCode(int slot)
{
    return numbered('A', slot + 1);
}

std::string areaName(int slot)
{
    const std::size_t n = localities().size();
    std::string name(localities()[std::size_t(slot) % n]);
    if (std::size_t(slot) >= n)
        name += " SECTOR " + std::to_string(std::size_t(slot) / n + 1);
    return name;
}

std::string_view runsheetMode(int slot)
{
    static constexpr std::array list{"BIKE"sv, "VAN"sv, "BIKE"sv, "WALK"sv};
    return list[std::size_t(slot) % list.size()];
}

} // namespace installer::demo
