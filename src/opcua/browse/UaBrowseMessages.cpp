#include "UaBrowseMessages.h"

namespace {

constexpr int32_t Timestamps_Neither = 3;

TUaBrowseResult Read_Browse_Result(TUaReader& r) {
  TUaBrowseResult result;
  result.Status = r.UInt32();
  result.ContinuationPoint = r.ByteString();
  for (int32_t i = 0, n = r.Array_Length(); i < n; ++i) {
    TUaReference ref;
    ref.ReferenceTypeId = r.NodeId();
    ref.IsForward = r.Boolean();
    ref.Target = r.ExpandedNodeId();
    r.QualifiedName();  // browse name
    ref.DisplayName = r.LocalizedText();
    ref.NodeClass = r.UInt32();
    r.ExpandedNodeId();  // type definition
    result.References.push_back(std::move(ref));
  }
  return result;
}

void Skip_Diagnostic_Infos(TUaReader& r) {
  for (int32_t i = 0, n = r.Array_Length(); i < n; ++i) r.Skip_DiagnosticInfo();
}

}  // namespace

QByteArray Ua_Encode_Browse_Request(const TUaRequestHeader& header, uint32_t max_references_per_node,
                                    const std::vector<TUaBrowseDescription>& nodes) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::BrowseRequest, header);
  w.NodeId(TUaNodeId());  // the whole address space, no view
  w.DateTime(0);
  w.UInt32(0);
  w.UInt32(max_references_per_node);
  w.Array_Length(qsizetype(nodes.size()));
  for (const TUaBrowseDescription& d : nodes) {
    w.NodeId(d.NodeId);
    w.Int32(d.Direction);
    w.NodeId(d.ReferenceTypeId);
    w.Boolean(d.IncludeSubtypes);
    w.UInt32(d.NodeClassMask);
    w.UInt32(d.ResultMask);
  }
  return w.Data();
}

QByteArray Ua_Encode_Browse_Next_Request(const TUaRequestHeader& header, bool release,
                                         const std::vector<QByteArray>& continuation_points) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::BrowseNextRequest, header);
  w.Boolean(release);
  w.Array_Length(qsizetype(continuation_points.size()));
  for (const QByteArray& point : continuation_points) w.ByteString(point);
  return w.Data();
}

std::vector<TUaBrowseResult> Ua_Decode_Browse_Response(const QByteArray& body, uint32_t expected_type) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, expected_type);
  std::vector<TUaBrowseResult> results;
  for (int32_t i = 0, n = r.Array_Length(); i < n; ++i) results.push_back(Read_Browse_Result(r));
  Skip_Diagnostic_Infos(r);
  return results;
}

QByteArray Ua_Encode_Read_Request(const TUaRequestHeader& header, const std::vector<TUaReadValueId>& nodes) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::ReadRequest, header);
  w.Double(0);  // max age
  w.Int32(Timestamps_Neither);
  w.Array_Length(qsizetype(nodes.size()));
  for (const TUaReadValueId& node : nodes) {
    w.NodeId(node.NodeId);
    w.UInt32(node.AttributeId);
    w.String(QByteArray());  // index range
    w.UInt16(0);             // data encoding: default
    w.String(QByteArray());
  }
  return w.Data();
}

std::vector<TUaDataValue> Ua_Decode_Read_Response(const QByteArray& body) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, UaId::ReadResponse);
  std::vector<TUaDataValue> values;
  for (int32_t i = 0, n = r.Array_Length(); i < n; ++i) values.push_back(r.DataValue());
  Skip_Diagnostic_Infos(r);
  return values;
}
