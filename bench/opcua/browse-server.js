// OPC UA server for the browse benchmark: <variables> Double variables in folders of 1,000 under the Objects
// folder, on 127.0.0.1:<port>, security None and anonymous login only.
// Usage: node browse-server.js <port> <state-folder> <variables> [maxNodesPerBrowse maxNodesPerRead]
// Operation limits of 0 (the default) are not announced.
"use strict";
const path = require("path");
const opcua = require(path.join(__dirname, "../../tests/opcua/server/node_modules/node-opcua"));

const [port, state, variables, maxBrowse, maxRead] = [
  parseInt(process.argv[2], 10),
  process.argv[3],
  parseInt(process.argv[4], 10),
  parseInt(process.argv[5] || "0", 10),
  parseInt(process.argv[6] || "0", 10),
];
if (!(port > 0) || !state || !(variables > 0)) {
  console.error("usage: node browse-server.js <port> <state-folder> <variables> [maxNodesPerBrowse maxNodesPerRead]");
  process.exit(2);
}

async function main() {
  const server = new opcua.OPCUAServer({
    port,
    host: "127.0.0.1",
    securityModes: [opcua.MessageSecurityMode.None],
    securityPolicies: [opcua.SecurityPolicy.None],
    allowAnonymous: true,
    serverCertificateManager: new opcua.OPCUACertificateManager({
      rootFolder: path.join(state, "pki"),
      automaticallyAcceptUnknownCertificate: true,
    }),
    serverCapabilities: { operationLimits: { maxNodesPerBrowse: maxBrowse, maxNodesPerRead: maxRead } },
    isAuditing: false,
  });
  await server.initialize();
  const ns = server.engine.addressSpace.getOwnNamespace();
  const objects = server.engine.addressSpace.rootFolder.objects;
  const level = opcua.makeAccessLevelFlag("CurrentRead | CurrentWrite");
  let folder = null;
  for (let i = 0; i < variables; i++) {
    if (i % 1000 === 0) folder = ns.addFolder(objects, { browseName: "F" + i / 1000, nodeId: "s=F" + i / 1000 });
    ns.addVariable({
      componentOf: folder,
      browseName: "V" + i,
      nodeId: "s=V" + i,
      dataType: "Double",
      accessLevel: level,
      userAccessLevel: level,
      value: new opcua.Variant({ dataType: opcua.DataType.Double, value: i }),
    });
  }
  await server.start();
  console.log("listening on " + server.getEndpointUrl());
  const stop = async () => {
    await server.shutdown(0);
    process.exit(0);
  };
  process.on("SIGTERM", stop);
  process.on("SIGINT", stop);
}

main().catch((err) => {
  console.error(err);
  process.exit(1);
});
