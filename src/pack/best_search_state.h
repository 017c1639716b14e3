// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

-// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

#// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

#// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

#// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

#// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

#// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

"// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

"// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

#// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

"// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

"// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

#// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

"// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

"// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

{// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

A// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

R// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

{// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

}// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

{// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

8// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

*// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

=// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

P// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

P// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

8// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

=// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

0// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

R// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

'// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

'// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

=// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

0// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

0// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

N// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

P// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

P// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

}// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

K// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

8// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

*// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

P// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

R// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

L// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

[// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

]// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

F// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

K// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

x// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

8// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

P// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

-// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

w// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

'// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

z// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

z// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

{// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

2// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

L// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

L// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

*// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

+// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

}// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

A// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

y// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

b// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

D// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

-// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

u// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

T// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

f// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

,// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

g// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

.// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

:// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

<// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

i// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

>// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

k// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

_// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

(// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

o// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

h// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

S// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

&// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

t// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

)// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

;// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

}// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

/// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

m// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

s// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

p// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

a// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

c// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

 // Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

v// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

n// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

d// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

r// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

e// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

l// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);


// Whether kept phrase parent can still be split into two kept symbols
// when the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without);

// Drops kept phrases and re-parses the runs that used them.
void remove_phrases(SearchState& state, const std::vector<int>& ids);

