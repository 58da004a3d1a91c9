#pragma once
// The maker's own values that the description files carry (address, numbers assigned to the devices).
#include <QString>

namespace Maker {
inline const QString Street = QStringLiteral("1 Example Street");
inline const QString Town = QStringLiteral("00000 Tarnhaven");
inline const QString Town_Province = QStringLiteral("00000 Tarnhaven (TH)");
inline const QString Province_Country = QStringLiteral("TH - Freeland");
inline const QString Country = QStringLiteral("Freeland");
inline const QString Phone = QStringLiteral("+00 000 0000000");
inline const QString Fax = QStringLiteral("+00 000 0000001");
inline const QString Support_Mail = QStringLiteral("support@quorvane.example");
inline const QString Organisation = QStringLiteral("Quorvane");

// The PROFIBUS ident number and the gateway's order code in the GSD file.
constexpr int Profibus_Ident = 0x0B07;
inline const QString Profibus_Order_Code = QStringLiteral("HDTarn07");
// The PROFINET vendor and device IDs of the GSDML file.
constexpr int Profinet_Vendor_Id = 0x0321;
constexpr int Profinet_Device_Id = 0x0022;
// The CANopen model's short product number of the EDS file.
inline const QString Canopen_Product_Number = QStringLiteral("13");
// The product code of the BACnet gateway in the EDE file.
inline const QString Bacnet_Product_Code = QStringLiteral("HDTarn20");
// The private enterprise number under which the MIB module hangs.
constexpr int Enterprise_Number = 53217;
}  // namespace Maker
