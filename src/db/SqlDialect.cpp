#include "db/SqlDialect.h"

SqlStatement SqlDialect::SearchAnywhere(const std::vector<const char*>& columns, const QString& text) const {
    const SqlStatement like = CaseBlindLike();
    const QString pattern = LikeAnywhere(text);
    SqlStatement search = "(";
    for (const char* column : columns)
        search += SqlCompose(search.text.size() > 1 ? " OR %s %s ?" : "%s %s ?", {SqlStatement(column), like, pattern});
    return search + ")";
}
