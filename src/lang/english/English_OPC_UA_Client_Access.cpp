#include "../UEnglishTexts.h"

// The OPC UA window (block 1200), with the messages of its checks and of its file.
void Add_English_OPC_UA_Client_Access(QStringList& t) {
  const auto set = [&t](std::initializer_list<int> ids, const QString& text) {
    for (const int id : ids) t[id] = text;
  };
  set({1200, 1201}, QStringLiteral("OCP UA Client Access"));
  t[1202] = QStringLiteral("OPC UA Servers List");
  t[1203] = QStringLiteral("Add");
  t[1204] = QStringLiteral("Modify");
  t[1205] = QStringLiteral("Delete");
  t[1206] = QStringLiteral("Scan");
  t[1207] = QStringLiteral("Insert a new OPC UA Server");
  t[1208] = QStringLiteral("Modify an existent OPC UA Server");
  t[1209] = QStringLiteral("Delete a OPC UA Server");
  t[1210] = QStringLiteral("Scan the Variables of a OPC UA Server");
  // Server table headers, columns 0..10, and hints, columns 1..10.
  t[1211] = QStringLiteral("N");
  t[1212] = QStringLiteral("Enable");
  t[1213] = QStringLiteral("Server Address");
  t[1214] = QStringLiteral("Authorization");
  t[1215] = QStringLiteral("User");
  t[1216] = QStringLiteral("Password");
  t[1217] = QStringLiteral("Certificate");
  t[1218] = QStringLiteral("Private Key");
  t[1219] = QStringLiteral("Security Type");
  t[1220] = QStringLiteral("Security Policy");
  t[1221] = QStringLiteral("Mnemonic");
  t[1222] = QStringLiteral("Enable/Disable the OPC UA Server");
  t[1223] = QStringLiteral("URL of OPC UA Server address");
  t[1224] = QStringLiteral("Authorization of OPC UA Server");
  t[1225] = QStringLiteral("Username for access to OPC UA Server");
  t[1226] = QStringLiteral("Password for access to OPC UA Server");
  t[1227] = QStringLiteral("Certificate of OPC UA Server");
  t[1228] = QStringLiteral("Private Key of OPC UA Server");
  set({1229, 1230}, QStringLiteral("Security Type of OPC UA Server"));
  t[1231] = QStringLiteral("Description of OPC UA Server");
  t[1232] = QStringLiteral("OPC UA Variables List");
  // Buttons under the variable tables.
  t[1233] = QStringLiteral("OK");
  t[1234] = QStringLiteral("Cancel");
  t[1235] = QStringLiteral("Delete Row");
  t[1236] = QStringLiteral("Insert Row");
  t[1237] = QStringLiteral("Copy Row");
  t[1238] = QStringLiteral("Paste Row");
  t[1239] = QStringLiteral("Confirm and save the OPC UA Servers List");
  t[1240] = QStringLiteral("Exit without save the OPC UA Servers List");
  t[1241] = QStringLiteral("Delete the selected Row in the table");
  t[1242] = QStringLiteral("Insert a Row in the Table");
  t[1243] = QStringLiteral("Copy all Fields of the Selected Row");
  t[1244] = QStringLiteral("Paste the Copied Fields in the Selected Row");
  // Headers the read (first ID) and the write table (second ID) share.
  set({1245, 1264}, QStringLiteral("N"));
  set({1246, 1265}, QStringLiteral("Enable"));
  set({1247, 1266}, QStringLiteral("Display Name"));
  set({1248, 1267}, QStringLiteral("Node Type"));
  set({1249, 1268}, QStringLiteral("Node ID"));
  set({1250, 1269}, QStringLiteral("Var Type"));
  set({1251, 1270}, QStringLiteral("Name Space Index"));
  set({1252, 1274}, QStringLiteral("Time (ms)"));
  set({1253, 1275}, QStringLiteral("Position"));
  set({1254, 1276}, QStringLiteral("Mnemonic"));
  set({1329, 1331}, QStringLiteral("StartBit"));
  set({1305, 1309}, QStringLiteral("Swap"));
  set({1306, 1310}, QStringLiteral("Swap Word"));
  set({1325, 1327}, QStringLiteral("Swap All"));
  t[1313] = QStringLiteral("Var/Array");
  t[1314] = QStringLiteral("Start");
  t[1315] = QStringLiteral("Length");
  t[1271] = QStringLiteral("On Change");
  t[1272] = QStringLiteral("On CMD");
  t[1273] = QStringLiteral("On Timer");
  // Variable hints (read table first, where the write table's text differs it follows).
  set({1255, 1277}, QStringLiteral("Enable/Disable the OPC UA Variable"));
  set({1256, 1278}, QStringLiteral("Insert the Display Name of OPC UA Variable"));
  set({1257, 1279}, QStringLiteral("Select the Node Type of OPC UA Variable"));
  set({1258, 1280}, QStringLiteral("Insert the Node ID of OPC UA Variable"));
  set({1259, 1281}, QStringLiteral("Select the Type of OPC UA Variable"));
  set({1260, 1282}, QStringLiteral("Insert the Name Space Index of OPC UA Variable"));
  t[1261] = QStringLiteral("Insert the Time in Milliseconds");
  set({1262, 1287}, QStringLiteral("Insert the Index of Internal Data Array"));
  t[1263] = QStringLiteral("Insert a Description of OPC UA Variable");
  t[1288] = QStringLiteral("Insert a description of OPC UA Variable");
  t[1283] = QStringLiteral("Enable/Disable the Possibility to Write the OPC UA Variable on Command");
  t[1284] = QStringLiteral("Enable/Disable the Possibility to Write the OPC UA Variable on Data Change");
  t[1285] = QStringLiteral("Enable/Disable the Possibility to Write the OPC UA Variable on Timer");
  t[1286] = QStringLiteral("Insert the Time Expressed in Milliseconds Between Two OPC UA Variable Write");
  set({1307, 1311}, QStringLiteral("Enable/Disable the Swap of Data"));
  set({1308, 1312}, QStringLiteral("Enable/Disable the Swap Word of Data"));
  t[1316] = QStringLiteral("Select if is a single Variables or an Array");
  t[1317] = QStringLiteral("Insert the index of first Variable in Array to save");
  t[1318] = QStringLiteral("Insert the Number of Variable in Array to save");
  set({1326, 1328}, QStringLiteral("Enable/Disable the All Swap of Data"));
  set({1330, 1332}, QStringLiteral("Select the Start Bit in the selected byte"));
  // Questions and messages.
  t[1289] = QStringLiteral("Do you really want to delete the selected OPC UA Server?");
  t[1290] = QStringLiteral("Error!! Select one Server OPC UA before use the Scan operation");
  t[1291] = QStringLiteral("Do you want to append the new variables in Read?");
  t[1292] = QStringLiteral("Do you want to append the new variables in Write?");
  t[1293] = QStringLiteral("Are you sure to delete the Row number ");
  t[1294] = QStringLiteral(
      "With this operation all the positions for this Server OPC UA will be overwritten. Do you want to continue?");
  Add_English_OPC_UA_Checks(t);
  // The file itself (IDs of our own, after those the language files use).
  t[3471] = QStringLiteral(
      "Error! The OPC UA servers file cannot be read completely; only the servers before the error are shown. File:");
  t[3472] = QStringLiteral("Error! The OPC UA servers file cannot be written; nothing has been saved. File:");
  // Browsed variables a full variable table could not take.
  t[3473] = QStringLiteral(
      "A variable table holds %d variables: %d variables in Read and %d variables in Write were not imported");
  // Lists of the file longer than a variable table.
  t[3496] = QStringLiteral(
      "Server Number %d has %d variables in Read, but the table shows only the first %d: the other %d are removed "
      "from the file if you click in that table and then press OK");
  t[3497] = QStringLiteral(
      "Server Number %d has %d variables in Write, but the table shows only the first %d: the other %d are removed "
      "from the file if you click in that table and then press OK");
}
