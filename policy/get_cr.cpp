#include "policy/operations.h"

#include "platform/system_queries.h"
#include "policy/restriction_table.h"

namespace policy {

static_assert(Engine::restriction_count == restriction_table_size);

void Get_CR(Engine& e) { fill_restriction_table(e.VN, e.KP, platform::is_nt(e.ctx.machine)); }

} // namespace policy
