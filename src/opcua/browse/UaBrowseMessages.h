#pragma once
// Service messages of the address space walk: Browse, BrowseNext and Read.
#include <QByteArray>
#include <cstdint>
#include <vector>

#include "UaBinary.h"
#include "UaMessages.h"

enum TUaBrowseDirection : int32_t { uaForward = 0, uaInverse = 1, uaBoth = 2 };

// Node classes as Browse reports them and as its mask selects them.
enum TUaNodeClass : uint32_t { uaClassObject = 1, uaClassVariable = 2 };

// Result fields a Browse returns for each reference.
enum TUaResultMask : uint32_t { uaResultReferenceType = 0x01, uaResultNodeClass = 0x04, uaResultDisplayName = 0x10 };

enum TUaAttribute : uint32_t {
  uaAttrDisplayName = 4,
  uaAttrValue = 13,
  uaAttrDataType = 14,
  uaAttrAccessLevel = 17,
  uaAttrUserAccessLevel = 18
};

struct TUaBrowseDescription {
  TUaNodeId NodeId;
  int32_t Direction = uaForward;
  TUaNodeId ReferenceTypeId;
  bool IncludeSubtypes = true;
  uint32_t NodeClassMask = 0;  // 0: every class
  uint32_t ResultMask = 0;
};

struct TUaReference {
  TUaNodeId ReferenceTypeId;
  bool IsForward = true;
  TUaExpandedNodeId Target;
  TUaLocalizedText DisplayName;
  uint32_t NodeClass = 0;
};

struct TUaBrowseResult {
  uint32_t Status = 0;
  QByteArray ContinuationPoint;  // empty when the answer is complete
  std::vector<TUaReference> References;
};

struct TUaReadValueId {
  TUaNodeId NodeId;
  uint32_t AttributeId = 0;
};

QByteArray Ua_Encode_Browse_Request(const TUaRequestHeader& header, uint32_t max_references_per_node,
                                    const std::vector<TUaBrowseDescription>& nodes);
QByteArray Ua_Encode_Browse_Next_Request(const TUaRequestHeader& header, bool release,
                                         const std::vector<QByteArray>& continuation_points);
// The most references one node may return when the request sets no maximum.
constexpr int32_t Ua_Max_References = 1000;

// Decodes a Browse or BrowseNext response (expected_type tells which) to a request for expected_count nodes with at
// most max_references references each (0: Ua_Max_References). Another count of results, or more references than
// asked for, raises EUaError before the results are decoded.
std::vector<TUaBrowseResult> Ua_Decode_Browse_Response(const QByteArray& body, uint32_t expected_type,
                                                       size_t expected_count, uint32_t max_references);

QByteArray Ua_Encode_Read_Request(const TUaRequestHeader& header, const std::vector<TUaReadValueId>& nodes);
// Decodes the answer to a Read of expected_count attributes; another count raises EUaError before any value is
// decoded.
std::vector<TUaDataValue> Ua_Decode_Read_Response(const QByteArray& body, size_t expected_count);
