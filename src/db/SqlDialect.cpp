#include "db/SqlDialect.h"

SqlStatement SqlDialect::SearchAnywhere(const std::vector<const char*>& columns, const QString& text) const {
    const QString pattern = LikeAnywhere(text);
    SqlStatement search = "(";
    for (const char* column : columns) {
        if (search.text.size() > 1)
            search += " OR ";
        search += LikeCondition(column);
        search.values.push_back(SqlArg(pattern).Value());
    }
    return search + ")";
}
