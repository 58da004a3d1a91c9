#include "UaBrowseMessages.h"

namespace {

constexpr int32_t Timestamps_Neither = 3;
// Status, continuation point and the length of its references.
constexpr qsizetype Smallest_Browse_Result = 4 + 4 + 4;
// Reference type, direction, target, browse name, display name, node class, type definition.
constexpr qsizetype Smallest_Reference = 2 + 1 + 2 + 6 + 1 + 4 + 2;
constexpr qsizetype Smallest_Data_Value = 1;
constexpr qsizetype Smallest_Diagnostic_Info = 1;

TUaBrowseResult Read_Browse_Result(TUaReader& r, int32_t max_references) {
  TUaBrowseResult result;
  result.Status = r.UInt32();
  result.ContinuationPoint = r.ByteString();
  for (int32_t i = 0, n = r.Array_Length(Smallest_Reference, max_references); i < n; ++i) {
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

// Diagnostics come only when asked for, and then one for each result at most.
void Skip_Diagnostic_Infos(TUaReader& r, int32_t results) {
  for (int32_t i = 0, n = r.Array_Length(Smallest_Diagnostic_Info, results); i < n; ++i) r.Skip_DiagnosticInfo();
}

int32_t Expected_Count(size_t count) {
  if (count > size_t(Ua_Max_Array_Length)) throw EUaError(QStringLiteral("OPC UA request too large"));
  return int32_t(count);
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

std::vector<TUaBrowseResult> Ua_Decode_Browse_Response(const QByteArray& body, uint32_t expected_type,
                                                       size_t expected_count, uint32_t max_references) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, expected_type);
  const int32_t expected = Expected_Count(expected_count);
  const int32_t references = max_references == 0 || max_references > uint32_t(Ua_Max_References)
                                 ? Ua_Max_References
                                 : int32_t(max_references);
  std::vector<TUaBrowseResult> results;
  const int32_t n = r.Array_Length_Exactly(expected, Smallest_Browse_Result);
  results.reserve(size_t(n));
  for (int32_t i = 0; i < n; ++i) results.push_back(Read_Browse_Result(r, references));
  Skip_Diagnostic_Infos(r, n);
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

std::vector<TUaDataValue> Ua_Decode_Read_Response(const QByteArray& body, size_t expected_count) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, UaId::ReadResponse);
  std::vector<TUaDataValue> values;
  const int32_t n = r.Array_Length_Exactly(Expected_Count(expected_count), Smallest_Data_Value);
  values.reserve(size_t(n));
  for (int32_t i = 0; i < n; ++i) values.push_back(r.DataValue());
  Skip_Diagnostic_Infos(r, n);
  return values;
}
