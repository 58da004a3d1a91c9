#include "UaBrowseWalker.h"

#include <algorithm>
#include <limits>

namespace {

constexpr uint32_t Objects_Folder = 85;
constexpr uint32_t Hierarchical_References = 33;
constexpr uint32_t Has_Subtype = 45;
constexpr uint32_t Enumeration = 29;
constexpr uint32_t Bad_No_Continuation_Points = 0x804B0000;
// The properties MaxNodesPerBrowse and MaxNodesPerRead of the Server object's operation limits.
constexpr uint32_t Max_Nodes_Per_Browse_Id = 11710;
constexpr uint32_t Max_Nodes_Per_Read_Id = 11705;
constexpr int Max_Type_Levels = 16;
constexpr int32_t Code_Int32 = 5;
constexpr int32_t Code_Unmapped = -1;
constexpr int32_t Code_Trace = -2;
// What a node or a found variable costs beyond its texts: the record, the visited-set entry, the list entries.
constexpr qsizetype Entry_Overhead = 256;

bool Is_Good(const TUaDataValue& v) {
  return v.Has_Value && !Ua_Is_Bad(v.Status);
}

bool Is_Signed(uint8_t type) {
  return type == uaSByte || type == uaInt16 || type == uaInt32 || type == uaInt64;
}

// An operation limit as the server gave it; 0 (no limit) for a missing property or one that is no positive integer.
uint32_t Limit_Of(const TUaDataValue& v) {
  if (!Is_Good(v) || v.Value.Is_Array || v.Value.Type < uaSByte || v.Value.Type > uaUInt64) return 0;
  if (Is_Signed(v.Value.Type) && int64_t(v.Value.Integer) <= 0) return 0;
  return uint32_t(std::min<uint64_t>(v.Value.Integer, std::numeric_limits<uint32_t>::max()));
}

int Batch_Of(int ours, uint32_t announced, int ceiling) {
  const int batch =
      announced > 0 ? int(std::min<uint32_t>(announced, uint32_t(std::numeric_limits<int>::max()))) : ours;
  return std::max(1, std::min(batch, std::max(1, ceiling)));
}

}  // namespace

TUaBrowseLimits Ua_Fit_Operation_Limits(TUaBrowseLimits limits, uint32_t max_nodes_per_browse,
                                        uint32_t max_nodes_per_read) {
  limits.Browse_Batch = Batch_Of(limits.Browse_Batch, max_nodes_per_browse, limits.Max_Batch);
  limits.Read_Batch = Batch_Of(limits.Read_Batch, max_nodes_per_read, limits.Max_Batch);
  return limits;
}

int32_t Ua_Builtin_Type_Code(const TUaNodeId& type) {
  if (type.Namespace != 0 || type.Type != TUaIdType::Numeric) return Code_Trace;
  if (type.Numeric >= uaBoolean && type.Numeric <= uaByteString) return int32_t(type.Numeric) - 1;
  if (type.Numeric == Enumeration) return Code_Int32;
  // The null id, the other built-in types and the abstract bases (Structure, BaseDataType, Number, Integer, ...).
  if (type.Numeric <= 28) return Code_Unmapped;
  return Code_Trace;
}

std::vector<TUaFoundVariable> TUaBrowseWalker::Run() {
  Fit_Server_Limits();
  Walk();
  std::vector<TUaFoundVariable> found = Read_Attributes(Variables_In_Tree_Order());
  Resolve_Data_Types(found);
  return found;
}

void TUaBrowseWalker::Fit_Server_Limits() {
  // One node per request: a server that allows a single node per Read must still tell us so.
  auto read_limit = [this](uint32_t id) {
    return Limit_Of(FClient.Read({{TUaNodeId::Num(0, id), uaAttrValue}}).front());
  };
  const uint32_t max_browse = read_limit(Max_Nodes_Per_Browse_Id);
  const uint32_t max_read = read_limit(Max_Nodes_Per_Read_Id);
  FLimits = Ua_Fit_Operation_Limits(FLimits, max_browse, max_read);
}

std::vector<TUaDataValue> TUaBrowseWalker::Read_In_Pieces(const std::vector<TUaReadValueId>& ids) {
  const size_t piece = size_t(std::max(1, FLimits.Read_Batch));
  std::vector<TUaDataValue> values;
  for (size_t first = 0; first < ids.size(); first += piece) {
    const auto end = ids.begin() + qsizetype(std::min(ids.size(), first + piece));
    std::vector<TUaDataValue> part = FClient.Read(std::vector<TUaReadValueId>(ids.begin() + qsizetype(first), end));
    values.insert(values.end(), part.begin(), part.end());
  }
  return values;
}

bool TUaBrowseWalker::Keep(qsizetype& kept, qsizetype bytes) const {
  kept += bytes;
  return kept <= FLimits.Memory_Budget;
}

bool TUaBrowseWalker::Spend_Call() {
  if (FCalls >= FLimits.Max_Nodes) FStop_Walk = true;
  ++FCalls;
  return !FStop_Walk;
}

void TUaBrowseWalker::Walk() {
  TNode root;
  root.Id = TUaNodeId::Num(0, Objects_Folder);
  root.Node_Class = uaClassObject;
  FNodes.push_back(root);
  FVisited.insert(root.Id.Key());
  std::vector<int> pending{0};
  size_t next = 0;
  while (next < pending.size() && !FStop_Walk) {
    size_t count = std::min(pending.size() - next, size_t(std::max(1, FLimits.Browse_Batch)));
    std::vector<int> batch(pending.begin() + qsizetype(next), pending.begin() + qsizetype(next + count));
    next += count;
    Browse_Batch(pending, batch);
  }
}

void TUaBrowseWalker::Browse_Batch(std::vector<int>& pending, const std::vector<int>& batch) {
  if (!Spend_Call()) return;
  std::vector<TUaBrowseDescription> nodes;
  for (int index : batch) {
    TUaBrowseDescription d;
    d.NodeId = FNodes[size_t(index)].Id;
    d.ReferenceTypeId = TUaNodeId::Num(0, Hierarchical_References);
    d.NodeClassMask = uaClassObject | uaClassVariable;
    d.ResultMask = uaResultNodeClass | uaResultDisplayName;
    nodes.push_back(d);
  }
  std::vector<TUaBrowseResult> results = FClient.Browse(nodes, FLimits.Max_References_Per_Node);

  std::vector<int> owners;
  std::vector<QByteArray> points;
  for (size_t i = 0; i < results.size(); ++i) {
    if (results[i].Status == Bad_No_Continuation_Points && !FNodes[size_t(batch[i])].Retried) {
      // The server ran out of continuation points for this batch; the node gets one more turn later.
      FNodes[size_t(batch[i])].Retried = true;
      pending.push_back(batch[i]);
      continue;
    }
    if (Ua_Is_Bad(results[i].Status)) continue;
    Add_References(batch[i], results[i].References, pending);
    if (!results[i].ContinuationPoint.isEmpty()) {
      owners.push_back(batch[i]);
      points.push_back(results[i].ContinuationPoint);
    }
  }

  while (!points.empty() && Spend_Call()) {
    std::vector<TUaBrowseResult> more = FClient.Browse_Next(points, FLimits.Max_References_Per_Node);
    std::vector<int> next_owners;
    std::vector<QByteArray> next_points;
    for (size_t i = 0; i < more.size(); ++i) {
      if (Ua_Is_Bad(more[i].Status)) continue;
      Add_References(owners[i], more[i].References, pending);
      if (!more[i].ContinuationPoint.isEmpty()) {
        next_owners.push_back(owners[i]);
        next_points.push_back(more[i].ContinuationPoint);
      }
    }
    owners.swap(next_owners);
    points.swap(next_points);
  }
}

void TUaBrowseWalker::Add_References(int parent, const std::vector<TUaReference>& refs, std::vector<int>& pending) {
  const int depth = FNodes[size_t(parent)].Depth + 1;
  for (const TUaReference& ref : refs) {
    const TUaNodeId& id = ref.Target.NodeId;
    // Namespace 0 holds the server's own standard objects (the Server object and its diagnostics), not process data.
    if (!ref.Target.Is_Local() || id.Namespace == 0) continue;
    if (ref.NodeClass != uaClassObject && ref.NodeClass != uaClassVariable) continue;
    QByteArray key = id.Key();
    if (FVisited.contains(key)) continue;
    // The id is kept twice, in the node and in the visited set.
    if (int(FNodes.size()) >= FLimits.Max_Nodes ||
        !Keep(FWalk_Kept, Entry_Overhead + 2 * key.size() + ref.DisplayName.Text.size())) {
      FStop_Walk = true;
      return;
    }
    TNode node;
    node.Id = id;
    node.Node_Class = ref.NodeClass;
    node.DisplayName = ref.DisplayName.Text;
    node.Depth = depth;
    const int index = int(FNodes.size());
    FNodes.push_back(node);
    FVisited.insert(key);
    FNodes[size_t(parent)].Children.push_back(index);
    if (depth < FLimits.Max_Depth) pending.push_back(index);
  }
}

std::vector<int> TUaBrowseWalker::Variables_In_Tree_Order() const {
  std::vector<int> out;
  std::vector<int> stack{0};
  while (!stack.empty()) {
    int index = stack.back();
    stack.pop_back();
    const TNode& node = FNodes[size_t(index)];
    if (node.Node_Class == uaClassVariable) out.push_back(index);
    for (auto it = node.Children.rbegin(); it != node.Children.rend(); ++it) stack.push_back(*it);
  }
  return out;
}

std::vector<TUaFoundVariable> TUaBrowseWalker::Read_Attributes(const std::vector<int>& variables) {
  static const uint32_t Attributes[] = {uaAttrDataType, uaAttrAccessLevel, uaAttrUserAccessLevel, uaAttrDisplayName};
  constexpr size_t Per_Node = std::size(Attributes);
  std::vector<TUaFoundVariable> found;
  // Whole variables per request; a server that takes fewer reads than one variable needs gets them in pieces.
  const size_t batch = std::max<size_t>(1, size_t(std::max(1, FLimits.Read_Batch)) / Per_Node);
  for (size_t first = 0; first < variables.size(); first += batch) {
    const size_t last = std::min(variables.size(), first + batch);
    std::vector<TUaReadValueId> ids;
    for (size_t i = first; i < last; ++i)
      for (uint32_t attribute : Attributes) ids.push_back({FNodes[size_t(variables[i])].Id, attribute});
    std::vector<TUaDataValue> values = Read_In_Pieces(ids);
    for (size_t i = first; i < last; ++i) {
      const TNode& node = FNodes[size_t(variables[i])];
      const TUaDataValue* v = &values[(i - first) * Per_Node];
      // Without a data type or an access level the gateway could not use the variable.
      if (!Is_Good(v[0]) || v[0].Value.Type != uaNodeId || v[0].Value.Is_Array) continue;
      if (!Is_Good(v[1]) || v[1].Value.Type != uaByte || v[1].Value.Is_Array) continue;
      TUaFoundVariable var;
      var.NodeId = node.Id;
      var.Data_Type_Id = v[0].Value.NodeId;
      var.Data_Type = Ua_Builtin_Type_Code(var.Data_Type_Id);
      var.Access_Level = uint8_t(v[1].Value.Integer);
      if (Is_Good(v[2]) && v[2].Value.Type == uaByte && !v[2].Value.Is_Array)
        var.Access_Level &= uint8_t(v[2].Value.Integer);
      bool has_name = Is_Good(v[3]) && v[3].Value.Type == uaLocalizedText && !v[3].Value.Is_Array;
      var.DisplayName = has_name ? v[3].Value.Text.Text : node.DisplayName;
      // The node id is shared with the walk's node; the type and the name are new.
      if (!Keep(FRead_Kept, Entry_Overhead + var.Data_Type_Id.Text.size() + var.DisplayName.size())) return found;
      found.push_back(var);
    }
  }
  return found;
}

void TUaBrowseWalker::Resolve_Data_Types(std::vector<TUaFoundVariable>& found) {
  QHash<QByteArray, int32_t> codes;       // types whose code is known
  QHash<QByteArray, QByteArray> parents;  // type -> its supertype
  QHash<QByteArray, TUaNodeId> to_trace;
  for (const TUaFoundVariable& var : found)
    if (var.Data_Type == Code_Trace) to_trace.insert(var.Data_Type_Id.Key(), var.Data_Type_Id);

  for (int level = 0; level < Max_Type_Levels && !to_trace.isEmpty(); ++level) {
    std::vector<TUaNodeId> types(to_trace.cbegin(), to_trace.cend());
    to_trace.clear();
    const size_t batch = size_t(std::max(1, FLimits.Browse_Batch));
    for (size_t first = 0; first < types.size(); first += batch) {
      std::vector<TUaBrowseDescription> nodes;
      for (size_t i = first; i < std::min(types.size(), first + batch); ++i) {
        TUaBrowseDescription d;
        d.NodeId = types[i];
        d.Direction = uaInverse;
        d.ReferenceTypeId = TUaNodeId::Num(0, Has_Subtype);
        d.IncludeSubtypes = false;
        nodes.push_back(d);
      }
      std::vector<TUaBrowseResult> results = FClient.Browse(nodes, 0);
      for (size_t i = 0; i < results.size(); ++i) {
        const QByteArray child = nodes[i].NodeId.Key();
        auto super = std::find_if(results[i].References.begin(), results[i].References.end(),
                                  [](const TUaReference& r) { return r.Target.Is_Local(); });
        if (Ua_Is_Bad(results[i].Status) || super == results[i].References.end()) {
          codes.insert(child, Code_Unmapped);
          continue;
        }
        const TUaNodeId& parent = super->Target.NodeId;
        const QByteArray parent_key = parent.Key();
        parents.insert(child, parent_key);
        int32_t code = Ua_Builtin_Type_Code(parent);
        if (code != Code_Trace)
          codes.insert(parent_key, code);
        else if (!parents.contains(parent_key) && !codes.contains(parent_key))
          to_trace.insert(parent_key, parent);
      }
    }
  }

  for (TUaFoundVariable& var : found) {
    if (var.Data_Type != Code_Trace) continue;
    QByteArray key = var.Data_Type_Id.Key();
    var.Data_Type = Code_Unmapped;
    for (int step = 0; step <= Max_Type_Levels; ++step) {
      if (codes.contains(key)) {
        var.Data_Type = codes.value(key);
        break;
      }
      if (!parents.contains(key)) break;
      key = parents.value(key);
    }
  }
}
