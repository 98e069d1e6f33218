// Change notifications of a Query, for a grid (or anything else) that
// shows its rows. Every method has an empty default, so a listener
// overrides only what it needs. Notifications arrive synchronously, after
// the query's state has changed.
#pragma once

#include <cstddef>

namespace lanvero::db {

class Query;

class QueryListener {
 public:
  virtual ~QueryListener() = default;
  // The query opened: columns and rows are new, the current row is 0.
  virtual void QueryOpened(Query&) {}
  // The query closed: it holds no rows any more.
  virtual void QueryClosed(Query&) {}
  // The current row moved to `row`.
  virtual void CurrentRowChanged(Query&, std::size_t /*row*/) {}
  // Field `field` of row `row` was edited.
  virtual void FieldEdited(Query&, std::size_t /*row*/, std::size_t /*field*/) {}
};

}  // namespace lanvero::db
