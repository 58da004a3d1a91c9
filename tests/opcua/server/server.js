// Loopback OPC UA server for the browsing tests.
// Usage: node server.js <port> <state-folder> [lifetime-seconds] [secure]
// Listens on 127.0.0.1:<port>, keeps its certificates under <state-folder>/pki and exits by itself after the
// lifetime (default 1800 s) or on SIGTERM. With "secure" it offers only secured endpoints (Sign and Sign & Encrypt
// with every policy it has) and the certificate login.
"use strict";
const fs = require("fs");
const path = require("path");
const {
  OPCUAServer,
  OPCUACertificateManager,
  MessageSecurityMode,
  SecurityPolicy,
  DataType,
  Variant,
  makeAccessLevelFlag,
  VariantArrayType,
} = require("node-opcua");

const port = parseInt(process.argv[2], 10);
const stateFolder = process.argv[3];
const lifetimeSeconds = parseInt(process.argv[4] || "1800", 10);
const secure = process.argv[5] === "secure";
if (!(port > 0) || !stateFolder) {
  console.error("usage: node server.js <port> <state-folder> [lifetime-seconds]");
  process.exit(2);
}

const USER = "operator";
const PASSWORD = "s3cret-pw";

function addVariable(namespace, parent, browseName, nodeId, dataType, value, access, displayName, userAccess) {
  const level = makeAccessLevelFlag(access);
  return namespace.addVariable({
    componentOf: parent,
    browseName,
    displayName: displayName || browseName,
    nodeId,
    dataType,
    accessLevel: level,
    userAccessLevel: userAccess === undefined ? level : makeAccessLevelFlag(userAccess),
    value: new Variant({
      dataType: dataType === "Duration" ? DataType.Double : DataType[dataType],
      arrayType: VariantArrayType.Scalar,
      value,
    }),
  });
}

function buildAddressSpace(server) {
  const addressSpace = server.engine.addressSpace;
  const own = addressSpace.getOwnNamespace();
  const second = addressSpace.registerNamespace("urn:tarn:second");
  const objects = addressSpace.rootFolder.objects;

  const plant = own.addFolder(objects, { browseName: "Plant", nodeId: "s=Plant" });
  const rw = "CurrentRead | CurrentWrite";
  addVariable(own, plant, "Speed", "i=1001", "Double", 12.5, rw);
  addVariable(own, plant, "Counter", "s=Line1.Counter", "UInt32", 7, "CurrentRead");
  addVariable(own, plant, "Setpoint", "g=72962B91-FA75-4AE6-8D28-B404DC7DAF63", "Int16", 3, "CurrentWrite");
  addVariable(own, plant, "Recipe", "b=UkNQLTAx", "String", "abc", rw);
  addVariable(own, plant, "Enabled", "i=1002", "Boolean", true, "CurrentRead");
  addVariable(own, plant, "Stamp", "s=Stamp", "DateTime", new Date(0), rw);
  addVariable(own, plant, "CycleTime", "s=CycleTime", "Duration", 250, rw);
  addVariable(own, plant, "Small", "s=Small", "SByte", -3, rw);
  addVariable(own, plant, "Big", "s=Big", "Int64", [0, 5], rw);
  addVariable(own, plant, "Ratio", "s=Ratio", "Float", 0.5, rw);
  addVariable(own, plant, "Id", "s=Id", "Guid", "72962B91-FA75-4AE6-8D28-B404DC7DAF63", "CurrentRead");
  addVariable(own, plant, "Blob", "s=Blob", "ByteString", Buffer.from("xyz"), rw);
  addVariable(own, plant, "Temperature", "s=Température", "Double", 21.5, "CurrentRead", "Température");
  addVariable(own, plant, "Code", "b=Wuk=", "Byte", 1, rw); // bytes 5A E9
  // Writable and with history, but this user may only read it.
  addVariable(own, plant, "Guarded", "s=Guarded", "Int32", 1, rw + " | HistoryRead", undefined, "CurrentRead");
  // None listed: a text type the gateway cannot map, no access, and identifiers whose bytes would not come back
  // unchanged through the 8-bit code page and the device's one byte per character (a character outside the code
  // page, one the code page places above 0xFF, a byte the code page leaves undefined, a NUL byte).
  addVariable(own, plant, "Label", "s=Label", "LocalizedText", { text: "x" }, rw);
  addVariable(own, plant, "Sealed", "s=Sealed", "Double", 1, "");
  addVariable(own, plant, "Wide", "s=温度", "Double", 1, rw);
  addVariable(own, plant, "Price", "s=Preis€", "Double", 1, rw);
  addVariable(own, plant, "Undefined", "b=UoE=", "Double", 1, rw); // bytes 52 81
  addVariable(own, plant, "Nul", "b=AEE=", "Double", 1, rw); // bytes 00 41
  addVariable(second, plant, "Level", "i=5", "UInt16", 40, rw);

  // More children than one Browse answer carries.
  const bulk = own.addFolder(objects, { browseName: "Bulk", nodeId: "s=Bulk" });
  for (let i = 0; i < 250; i++) {
    const name = "Item" + String(i).padStart(3, "0");
    addVariable(own, bulk, name, "s=Bulk." + name, "Int32", i, rw);
  }

  // A reference cycle: LoopA organizes LoopB, which organizes LoopA again.
  const loopA = own.addFolder(objects, { browseName: "LoopA", nodeId: "s=LoopA" });
  const loopB = own.addFolder(loopA, { browseName: "LoopB", nodeId: "s=LoopB" });
  loopB.addReference({ referenceType: "Organizes", nodeId: loopA.nodeId });
  addVariable(own, loopB, "Deep", "s=Deep", "UInt64", [0, 9], rw);
}

async function main() {
  fs.mkdirSync(stateFolder, { recursive: true });
  const certificateManager = new OPCUACertificateManager({
    rootFolder: path.join(stateFolder, "pki"),
    automaticallyAcceptUnknownCertificate: true,
  });
  // User certificates are trusted only when they come from the test CA that start-server.sh placed among the
  // issuers: a certificate of any other origin is refused.
  const userCertificateManager = new OPCUACertificateManager({
    rootFolder: path.join(stateFolder, "user-pki"),
    automaticallyAcceptUnknownCertificate: false,
  });
  const securityModes = secure
    ? [MessageSecurityMode.Sign, MessageSecurityMode.SignAndEncrypt]
    : [MessageSecurityMode.None, MessageSecurityMode.SignAndEncrypt];
  const securityPolicies = secure
    ? [
        SecurityPolicy.Basic128Rsa15,
        SecurityPolicy.Basic256,
        SecurityPolicy.Basic256Sha256,
        SecurityPolicy.Aes128_Sha256_RsaOaep,
        SecurityPolicy.Aes256_Sha256_RsaPss,
      ]
    : [SecurityPolicy.None, SecurityPolicy.Basic256Sha256];
  const server = new OPCUAServer({
    port,
    host: "127.0.0.1",
    // With a secured endpoint beside the open one, the open endpoint offers the user-name login with the
    // password encrypted by the server's certificate, as most servers do.
    securityModes,
    securityPolicies,
    allowAnonymous: true,
    serverCertificateManager: certificateManager,
    userCertificateManager,
    userManager: { isValidUser: (user, password) => user === USER && password === PASSWORD },
    // Few continuation points, so that a batch of browsed nodes can run out of them; and operation limits below
    // the client's own batch sizes, as small servers announce them.
    serverCapabilities: {
      maxBrowseContinuationPoints: 2,
      operationLimits: { maxNodesPerBrowse: 5, maxNodesPerRead: 30 },
    },
    isAuditing: false,
  });
  await server.initialize();
  buildAddressSpace(server);
  await server.start();
  console.log("listening on " + server.getEndpointUrl());
  console.log("user name: " + USER);
  console.log("password: " + PASSWORD);
  const stop = async () => {
    await server.shutdown(0);
    process.exit(0);
  };
  setTimeout(stop, lifetimeSeconds * 1000);
  process.on("SIGTERM", stop);
  process.on("SIGINT", stop);
}

main().catch((err) => {
  console.error(err);
  process.exit(1);
});
