// qrvch: placeholder until its first source lands.
