#include "../UEnglishTexts.h"

// The update window (block 1000).
void Add_English_Boot(QStringList& t) {
  t[1000] = QStringLiteral("Update Device by Serial");
  t[1001] = QStringLiteral("Update Device Using the Serial Port");
  t[1002] = QStringLiteral("Update Device by Ethernet (UDP)");
  t[1003] = QStringLiteral("Update Device Using the Ethernet Port");
  t[1004] = QStringLiteral("Update Device by USB");
  t[1005] = QStringLiteral("Update Device Using the USB Port");
  t[1006] = QStringLiteral("Insert the IP Address of Device");
  t[1007] = QStringLiteral("Select the COM Port for the Update");
  t[1008] = QStringLiteral("Select the COM Port (USB) for the Update");
  t[1009] = QStringLiteral("List of Devices Find in Network");
  t[1010] = QStringLiteral("Search");
  t[1011] = QStringLiteral("IP Address");
  t[1012] = QStringLiteral("MAC Address");
  t[1013] = QStringLiteral("Find all Quorvane Devices");
  t[1014] = QStringLiteral("Select Update Options");
  t[1015] = QStringLiteral("Firmware + Configuration");
  t[1016] = QStringLiteral("Firmware");
  t[1017] = QStringLiteral("Configuration");
  t[1018] = QStringLiteral("Read Back");
  t[1019] = QStringLiteral("Cancel");
  t[1020] = QStringLiteral("Execute Update Firmware");
  t[1021] = QStringLiteral("Insert first byte of IP Address");
  t[1022] = QStringLiteral("Insert second byte of IP Address");
  t[1023] = QStringLiteral("Insert third byte of IP Address");
  t[1024] = QStringLiteral("Insert fourth byte of IP Address");
  t[1025] = QStringLiteral("Select the COM Port to use for the Update");
  t[1026] = QStringLiteral("Select the COM Port (USB) to use for the Update");
  t[1027] = QStringLiteral("Update COM Ports List");
  t[1028] = QStringLiteral("Update COM Ports (USB) List");
  t[1029] = QStringLiteral("Serch Quorvane Device in Network");
  t[1030] = QStringLiteral("Select a device in the list");
  t[1031] = QStringLiteral("Enable or disable the option to find all Quorvane Devices");
  t[1032] = QStringLiteral("Select the operation to do in update");
  t[1033] = QStringLiteral("Enable or disable the possibility to read back the Firmware/Configuration");
  t[1034] = QStringLiteral("Exit without to do the Update");
  t[1035] = QStringLiteral("Start the update of Device");
  t[1036] = QStringLiteral("Device Not Found!");
  t[1037] = QStringLiteral("Error!!! Check the Ip Address");
  t[1038] = QStringLiteral(
      "Error!!! This user has no permission to send a ping (ICMP echo) to the device. An administrator can allow it "
      "for every user with: sysctl -w net.ipv4.ping_group_range=\"0 2147483647\" (a file in /etc/sysctl.d/ keeps it "
      "after a restart), or install the system's ping program (package iputils-ping).");
  t[1039] = QStringLiteral(
      "Error! The updater could not be started; the update recipe has been written but the device was not updated. "
      "File:");
}
