// The independent OPC UA client's side of the browse benchmark: the same work as the configurator's browse
// (connect, session, forward hierarchical references of objects and variables from the Objects folder with at most
// <refs> references per node and BrowseNext, then data type, access level, user access level and display name of
// every variable, close), <browse> nodes per Browse and <read> attribute reads per Read. Prints the milliseconds
// and the number of variables.
// Usage: node independent-browse.js <endpoint> <browse> <read> [refs]
"use strict";
const path = require("path");
const opcua = require(path.join(__dirname, "../../tests/opcua/server/node_modules/node-opcua"));

const [url, browseBatch, readBatch, refs] = [
  process.argv[2],
  parseInt(process.argv[3], 10),
  parseInt(process.argv[4], 10),
  parseInt(process.argv[5] || "100", 10),
];

async function walk(session) {
  const visited = new Set(["ns=0;i=85"]);
  const pending = ["ns=0;i=85"];
  const variables = [];
  const add = (references) => {
    for (const r of references || []) {
      const key = r.nodeId.toString();
      if (visited.has(key) || r.nodeId.namespace === 0) continue;
      visited.add(key);
      pending.push(key);
      if (r.nodeClass === opcua.NodeClass.Variable) variables.push(r.nodeId);
    }
  };
  for (let next = 0; next < pending.length; ) {
    const nodes = pending.slice(next, next + browseBatch);
    next += nodes.length;
    const batch = nodes.map((nodeId) => ({
      nodeId,
      referenceTypeId: "HierarchicalReferences",
      includeSubtypes: true,
      browseDirection: opcua.BrowseDirection.Forward,
      nodeClassMask: opcua.NodeClassMask.Object | opcua.NodeClassMask.Variable,
      resultMask: 63,
    }));
    let results = await session.browse(batch);
    for (;;) {
      const points = [];
      for (const r of results) {
        add(r.references);
        if (r.continuationPoint && r.continuationPoint.length) points.push(r.continuationPoint);
      }
      if (points.length === 0) break;
      results = await session.browseNext(points, false);
    }
  }
  return variables;
}

async function readAttributes(session, variables) {
  const attributes = [
    opcua.AttributeIds.DataType,
    opcua.AttributeIds.AccessLevel,
    opcua.AttributeIds.UserAccessLevel,
    opcua.AttributeIds.DisplayName,
  ];
  const perRequest = Math.max(1, Math.floor(readBatch / attributes.length));
  let good = 0;
  for (let first = 0; first < variables.length; first += perRequest) {
    const nodes = [];
    for (const nodeId of variables.slice(first, first + perRequest))
      for (const attributeId of attributes) nodes.push({ nodeId, attributeId });
    const values = await session.read(nodes);
    for (let i = 0; i < values.length; i += attributes.length) if (values[i].statusCode.isGood()) ++good;
  }
  return good;
}

async function main() {
  const started = process.hrtime.bigint();
  const client = opcua.OPCUAClient.create({
    endpointMustExist: false,
    securityMode: opcua.MessageSecurityMode.None,
    securityPolicy: opcua.SecurityPolicy.None,
    connectionStrategy: { maxRetry: 0 },
  });
  await client.connect(url);
  const session = await client.createSession();
  session.requestedMaxReferencesPerNode = refs;
  const found = await readAttributes(session, await walk(session));
  await session.close();
  await client.disconnect();
  const ms = Number(process.hrtime.bigint() - started) / 1e6;
  console.log(ms.toFixed(1) + " " + found);
}

main().catch((err) => {
  console.error(err);
  process.exit(1);
});
