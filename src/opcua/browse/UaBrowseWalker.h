#pragma once
// The walk over a server's address space: from the Objects folder down the hierarchical references, batched Browse
// and BrowseNext with a visited set and bounds on depth, nodes and calls; then batched Reads of each variable's
// data type, access level and display name, and the data types traced up to a built-in type.
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <cstdint>
#include <vector>

#include "UaClient.h"

struct TUaBrowseLimits {
  int Step_Timeout_Ms = 10000;    // connecting, and each request until its response
  int Total_Timeout_Ms = 120000;  // the whole browse
  int Max_Depth = 32;             // levels below the Objects folder
  int Max_Nodes = 20000;          // nodes visited, and Browse/BrowseNext calls of the walk
  int Max_Variables = 10000;      // variables returned
  uint32_t Max_References_Per_Node = 100;
  // Nodes per Browse and attribute reads per Read while the server announces no operation limit for them; what a
  // server announces takes their place, up to Max_Batch, which bounds the size of one answer.
  int Browse_Batch = 1000;
  int Read_Batch = 1000;
  int Max_Batch = 1000;
  // Bytes of node ids and names the walk may keep, and again of types and names the reading of attributes may keep;
  // like the other bounds, reaching it ends that phase with what was found so far.
  qsizetype Memory_Budget = qsizetype(32) << 20;
  // The life asked for each security token of the channel; it is renewed at three quarters of the life granted.
  uint32_t Channel_Lifetime_Ms = 3600000;
};

// The batch sizes the server's operation limits allow (0: the server announces none): a request with more nodes
// than it announces is refused whole, and fewer cost a round trip each.
TUaBrowseLimits Ua_Fit_Operation_Limits(TUaBrowseLimits limits, uint32_t max_nodes_per_browse,
                                        uint32_t max_nodes_per_read);

// A variable found by the walk. Data_Type is the record's code 0..14, or -1 when the type maps to none of them.
struct TUaFoundVariable {
  TUaNodeId NodeId;
  QByteArray DisplayName;  // UTF-8
  int32_t Data_Type = -1;
  TUaNodeId Data_Type_Id;
  uint8_t Access_Level = 0;  // the server's bits: 1 read, 2 write
};

class TUaBrowseWalker {
 public:
  TUaBrowseWalker(TUaClient& client, const TUaBrowseLimits& limits) : FClient(client), FLimits(limits) {}
  // The variables below the Objects folder in tree order, with the attributes the server gave.
  std::vector<TUaFoundVariable> Run();

 private:
  struct TNode {
    TUaNodeId Id;
    uint32_t Node_Class = 0;
    QByteArray DisplayName;
    int Depth = 0;
    bool Retried = false;
    std::vector<int> Children;
  };

  void Fit_Server_Limits();
  std::vector<TUaDataValue> Read_In_Pieces(const std::vector<TUaReadValueId>& ids);
  void Walk();
  void Browse_Batch(std::vector<int>& pending, const std::vector<int>& batch);
  void Add_References(int parent, const std::vector<TUaReference>& refs, std::vector<int>& pending);
  bool Spend_Call();
  bool Keep(qsizetype& kept, qsizetype bytes) const;
  std::vector<int> Variables_In_Tree_Order() const;
  std::vector<TUaFoundVariable> Read_Attributes(const std::vector<int>& variables);
  void Resolve_Data_Types(std::vector<TUaFoundVariable>& found);

  TUaClient& FClient;
  TUaBrowseLimits FLimits;
  std::vector<TNode> FNodes;
  QSet<QByteArray> FVisited;
  int FCalls = 0;
  qsizetype FWalk_Kept = 0;  // counted against the memory budget
  qsizetype FRead_Kept = 0;
  bool FStop_Walk = false;  // a bound of the walk was reached
};

// The record's data type code of a built-in type of namespace 0: 1..15 give 0..14, an enumeration gives Int32 (5);
// -2 for a type that has to be traced further up its supertypes, -1 for one that maps to no code.
int32_t Ua_Builtin_Type_Code(const TUaNodeId& type);
